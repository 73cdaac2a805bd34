#pragma once

namespace lindle {

// The reader's tokens, numbered as messages 2009 and 2010 name them.
enum class Token : int {
    EndOfFile = 0, Separator = 1, Ascii = 2, Break = 3, Byte = 4, Char = 5, CodePage = 6, CodePageAnsi = 7,
    CodePageOem = 8, CodePageAscii = 9, Current = 10, Exclusive = 11, Include = 12, Name = 13, Return = 14,
    Start = 15, Table = 16, SizeA = 17, SizeE = 18, SizeK = 19, SizeN = 20, SizeO = 21, Option = 22, SizeP = 23,
    Character = 24, String = 25, Class = 26, MacroName = 27, TranslationString = 28, Dollar = 29,
    OpenParen = 30, CloseParen = 31, Star = 32, Plus = 33, Comma = 34, Dot = 35, Slash = 36, Less = 37,
    Greater = 38, Question = 39, Caret = 40, OpenBrace = 41, Bar = 42, CloseBrace = 43, Identifier = 44,
    Integer = 45, ActionSeparator = 46, Action = 47, ProgramCode = 48, CharMarker = 49, ByteMarker = 50,
    EndOfFileMarker = 51, DeclarationCodeBlock = 52,
    // Never reported: a "%{" block, copied when the reader reaches it.
    CodeBlock = 53,
};

// As messages 2009 and 2010 show the token.
const char* tokenName(Token token);

// The token that one character read outside an expression is: one of the
// punctuation tokens, or a plain character.
Token characterToken(char c);

} // namespace lindle
