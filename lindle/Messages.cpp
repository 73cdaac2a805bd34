#include "lindle/Messages.h"

#include "lindle/MessageNumbers.h"

namespace lindle {

namespace {

constexpr toolframe::MessageText kMessages[] = {
    {InvalidTransitionRange, L"invalid transition range '%d'"},

    {IllegalMultibyteCharacter, L"illegal multibyte character '%c'"},
    {LineTooLong, L"line too long"},
    {UnrecognisedCharacter, L"unrecognised character '%c'"},
    {InvalidLexEscape, L"invalid lex escape sequence"},
    {InvalidKeyword, L"invalid keyword '%s'"},
    {HexIntegerWithoutDigits, L"hex integers must have at least one hex digit"},
    {IntegerTooBig, L"'%s' : integer too big"},
    {SyntaxError, L"syntax error"},
    {MissingToken, L"syntax error : missing '%s' before '%s'"},
    {UnexpectedToken, L"syntax error : '%s'"},
    {DuplicateNameDeclaration, L"duplicate name declaration"},
    {UnconvertibleUnicodeCharacter, L"unable to convert unicode character '%c' to multibyte character"},
    {NewlineInCharacterEscape, L"newline in character escape"},
    {NewlineInCharacterString, L"newline in character string"},
    {NewlineInCharacterClass, L"newline in character class"},
    {EmptyClassExpression, L"empty character class expression"},
    {InvalidClassExpression, L"invalid character class expression '%s'"},
    {ClassExpressionLosesCharacters, L"loss of characters from character class expression '%s'"},
    {HexCharacterWithoutDigits, L"hex characters must have at least one hex digit"},
    {HexCharacterTooBig, L"hex character too big"},
    {OctalCharacterTooBig, L"octal character too big"},
    {MultibyteCharacterTooBig, L"multibyte character too big"},
    {StartStateExclusivityRedeclared, L"'%s' : re-declaration of start state exclusivity"},
    {UndeclaredStartState, L"'%s' : undeclared start state"},
    {IntegerOutOfRange, L"'%s' : integer out of range"},
    {DuplicateTableEntry, L"'%c' : duplicate table entry"},
    {DuplicateMacro, L"'%s' : duplicate macro declaration"},
    {UndefinedMacro, L"undefined macro '%s'"},
    {MacroReferenceUnclosed, L"macro reference does not have closing '}'"},
    {RecursiveMacroReference, L"recursive macro reference '{%s}'"},
    {OutOfMacroExpansionSpace, L"out of macro expansion space"},
    {InvalidCodePage, L"invalid code page '%d'"},
    {UnconvertibleToUnicode, L"unable to convert multibyte character '%c' to unicode character"},
    {UnconvertibleToCodePage, L"unable to convert multibyte character '%c' to code page '%d'"},
    {UnconvertibleToOemCodePage, L"unable to convert multibyte character '%c' to oem code page"},
    {UnconvertibleToAsciiCodePage, L"unable to convert multibyte character '%c' to ascii code page"},
    {InvalidMultibyteCharacter, L"invalid multibyte character '%c'"},
    {InvalidMultibyteCharacterInCodePage, L"invalid multibyte character '%c' in code page '%d'"},
    {InvalidMultibyteCharacterInOemCodePage, L"invalid multibyte character '%c' in oem code page"},
    {InvalidMultibyteCharacterInAsciiCodePage, L"invalid multibyte character '%c' in ascii code page"},
    {StartStateBeforeName, L"start state declaration precedes name declaration"},

    {EmptyCharacterString, L"empty character string"},
    {EmptyCharacterClass, L"empty character class"},
    {ReversedClassRange, L"reversed character class range"},
    {DuplicateStartStateDeclaration, L"'%s' : duplicate start state declaration"},
    {DuplicateStartState, L"'%s' : duplicate start state"},
    {ReversedRange, L"reversed range"},
    {ExpressionCanBackUpCompletely, L"expression can backup completely"},
    {ExpressionWillBackUpCompletely, L"expression will backup completely"},
    {ExpressionNeverMatched, L"expression is never matched"},
};
static_assert(toolframe::numbersRiseStrictly(kMessages));

} // namespace

toolframe::MessageCatalog messageCatalog()
{
    return toolframe::MessageCatalog(kMessages, toolframe::kSourceEndMessages);
}

} // namespace lindle
