#include <gtest/gtest.h>

#include <string>

#include "LindleRun.h"

// Every message of the reader, through the real program, at its line.
namespace lindle::testing {
namespace {

struct MessageCase {
    const char* name;
    std::string source;
    std::string expected; // the whole output of lindle -$
    std::vector<std::string> switches = {};
};

class ReaderMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ReaderMessage, IsReportedAtItsLine)
{
    const auto result = readThroughLindle(GetParam().source, GetParam().switches);
    EXPECT_EQ(result.out, GetParam().expected);
    EXPECT_EQ(result.exitStatus, GetParam().expected.find("error") == std::string::npos ? 0 : 1);
}

const MessageCase kCases[] = {
    {"IllegalMultibyteCharacter", "%%\nx\t;\n \xc3", "scan.l(3) : error L2001: illegal multibyte character '0xc3'\n"},
    {"NewlineInCharacterEscape", "%%\nab\\\n;\n", "scan.l(2) : error L2013: newline in character escape\n"},
    {"NewlineInExpressionString", "%%\n\"ab\n;\n", "scan.l(2) : error L2014: newline in character string\n"},
    {"NewlineInCharacterClass", "%%\n[ab\n;\n", "scan.l(2) : error L2015: newline in character class\n"},
    {"UnrecognisedCharacter", "\n#\n%%\n", "scan.l(2) : error L2003: unrecognised character '0x23'\n"},
    {"InvalidLexEscape", "%1\n%%\n", "scan.l(1) : error L2004: invalid lex escape sequence\n"},
    {"InvalidKeyword", "\n\n%foo\n%%\n", "scan.l(3) : error L2005: invalid keyword '%foo'\n"},
    {"KeywordsIgnoreCase", "%START A\n%X B\n%T\n%t\n%%\n", ""},
    {"HexWithoutDigits", "%a 0x\n%%\n", "scan.l(1) : error L2006: hex integers must have at least one hex digit\n"},
    {"IntegerTooBig", "%a 4294967296\n%%\n", "scan.l(1) : error L2007: '4294967296' : integer too big\n"},
    {"LargestIntegerFits", "%a 0xffffffff\n%%\n", ""},
    {"MacroWithoutText", "D\n%%\n", "scan.l(1) : error L2008: syntax error\n"},
    {"MissingSeparator", "%s A\n", "scan.l(1) : error L2009: syntax error : missing '%%' before 'end of file'\n"},
    // After the missing token, the resynchronisation names the first token
    // it skips.
    {"MissingIdentifier", "%name 12\n%%\n",
     "scan.l(1) : error L2009: syntax error : missing 'identifier' before 'integer'\n"
     "scan.l(1) : error L2010: syntax error : 'integer'\n"},
    {"MissingInteger", "%p abc\n%%\n",
     "scan.l(1) : error L2009: syntax error : missing 'integer' before 'identifier'\n"
     "scan.l(1) : error L2010: syntax error : 'identifier'\n"},
    {"NothingSkippedBeforeTheNextDeclaration", "%s\n%s A\n%%\n<A>a\t;\n",
     "scan.l(2) : error L2009: syntax error : missing 'identifier' before '%start'\n"},
    // A table reads on after a bad entry: the closing "%table" closes it,
    // and a table left open ends where the next declaration begins.
    {"TableClosedAfterAnEntryWithoutString", "%table\n1 \"a\" 2\n%table\n%s S\n%%\n<S>a\t;\n",
     "scan.l(3) : error L2009: syntax error : missing 'character string' before '%table'\n"},
    {"TableReadsOnAfterAnEntryWithoutString", "%t\n1 \"a\" 2 3 \"a\"\n%t\n%%\n",
     "scan.l(2) : error L2009: syntax error : missing 'character string' before 'integer'\n"
     "scan.l(2) : error L2026: '0x0061' : duplicate table entry\n"},
    {"TableSkipsToItsNextEntry", "%t\n1 \"a\" x y\n2 \"a\"\n%t\n%%\n",
     "scan.l(2) : error L2009: syntax error : missing '%table' before 'identifier'\n"
     "scan.l(2) : error L2010: syntax error : 'identifier'\n"
     "scan.l(3) : error L2026: '0x0061' : duplicate table entry\n"},
    {"TableLeftOpenEndsAtTheNextDeclaration", "%t\n1 \"a\"\n%s S\n%%\n<S>a\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '%table' before '%start'\n"},
    {"UnexpectedToken", "%s A\n12 \"a\"\n%%\n", "scan.l(2) : error L2010: syntax error : 'integer'\n"},
    // A condition list names what it lacks and the character it found as
    // the token that character is.
    {"ConditionListWithoutName", "%s A\n%%\n<A,>x\t;\n",
     "scan.l(3) : error L2009: syntax error : missing 'identifier' before '>'\n"},
    {"EmptyConditionList", "%s A\n%%\n<>x\t;\n",
     "scan.l(3) : error L2009: syntax error : missing 'identifier' before '>'\n"},
    {"ConditionListWithTwoCommas", "%s A B\n%%\n<A,,B>x\t;\n",
     "scan.l(3) : error L2009: syntax error : missing 'identifier' before ','\n"},
    {"ConditionListWithoutClose", "%s A B\n%%\n<A B>x\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"ConditionListCutByEndOfFile", "%s A\n%%\n<A", "scan.l(3) : error L2009: syntax error : missing '>' before 'end of file'\n"},
    // "<<EOF>>" is a whole expression: what follows it without a blank
    // would otherwise become the action's text.
    {"EndOfFileRuleFollowedByCharacter", "%%\n<<EOF>>a\t;\n",
     "scan.l(2) : error L2009: syntax error : missing 'action' before 'character'\n"},
    {"EndOfFileRuleFollowedByContext", "%%\n<<EOF>>/a\t;\n",
     "scan.l(2) : error L2009: syntax error : missing 'action' before '/'\n"},
    {"EndOfFileRuleFollowedByBrace", "%%\n<<EOF>>{ }\n",
     "scan.l(2) : error L2009: syntax error : missing 'action' before '{'\n"},
    {"EndOfFileRuleBeforeItsAction", "%%\n<<EOF>>\n\t{ }\n", ""},
    // A prefix qualifies an expression; one with none after it is an error,
    // and the action after it is still read as an action.
    {"AnchorWithoutExpression", "%%\n^\t;\nx\t;\n", "scan.l(2) : error L2008: syntax error\n"},
    {"ConditionsWithoutExpression", "%s A\n%%\n<A>\t{\n  f();\n}\nx\t;\n", "scan.l(3) : error L2008: syntax error\n"},
    {"AllConditionsWithoutExpression", "%%\n<*>^ ;\n", "scan.l(2) : error L2008: syntax error\n"},
    {"PrefixBeforeContextOnly", "%s A\n%%\n^$\t;\n<A>/x\t;\n[a-z]\t;\n",
     "scan.l(3) : warning L4008: expression will backup completely\n"
     "scan.l(4) : warning L4008: expression will backup completely\n"},
    {"DirectiveInDefinitions", "%break\n%%\n", "scan.l(1) : error L2010: syntax error : '%break'\n"},
    {"DeclarationInRules", "%%\n%start A\n", "scan.l(2) : error L2010: syntax error : '%start'\n"},
    {"DuplicateName", "%name a\n%name b\n%%\n", "scan.l(2) : error L2011: duplicate name declaration\n"},
    {"NewlineInString", "%t\n1 \"ab\n%t\n%%\n", "scan.l(2) : error L2014: newline in character string\n"},
    {"ExclusivityRedeclared", "%s A B\n%x A\n%%\n",
     "scan.l(2) : error L2023: 'A' : re-declaration of start state exclusivity\n"},
    {"UndeclaredStartState", "%%\n<A>x\t;\n<A>y\t;\n", "scan.l(2) : error L2024: 'A' : undeclared start state\n"},
    {"StartStatesMatchExactly", "%s A\n%%\n<a>x\t;\n", "scan.l(3) : error L2024: 'a' : undeclared start state\n"},
    {"StartStatesMaySpellKeywords", "%s start, alpha INITIAL\n%%\n<start,alpha>x\t;\n",
     "scan.l(1) : warning L4004: 'INITIAL' : duplicate start state declaration\n"},
    {"IntegerOutOfRange", "%t\n65536 \"a\"\n65535 \"b\"\n%t\n%%\n",
     "scan.l(2) : error L2025: '65536' : integer out of range\n"},
    {"DuplicateTableEntry", "%t\n1 \"ab\"\n2 \"b\"\n%t\n%%\n",
     "scan.l(3) : error L2026: '0x0062' : duplicate table entry\n"},
    // A byte scanner's table holds a character by its bytes; a Unicode
    // scanner's holds code units, the same one however it is written, and
    // has no entry for a character that takes two or does not convert.
    {"TableOfAByteScannerHoldsCharactersByTheirBytes", "%t\n1 \"\xc3\xa9\"\n2 \"\xc3\xa9\"\n%t\n%%\n",
     "scan.l(3) : error L2026: '0xc3a9' : duplicate table entry\n"},
    {"TableOfAUnicodeScannerHoldsCodeUnits", "%t\n1 \"\xc3\xa9\"\n2 \"\\xe9\\351\"\n3 \"\\\xc3\xa9\"\n%t\n%%\n",
     "scan.l(3) : error L2026: '0x00e9' : duplicate table entry\n"
     "scan.l(3) : error L2026: '0x00e9' : duplicate table entry\n"
     "scan.l(4) : error L2026: '0x00e9' : duplicate table entry\n",
     {"-W"}},
    {"TableOfAUnicodeScannerHasNoEntryForTwoUnits", "%t\n1 \"a\xf0\x9f\x98\x80\\x1F600\"\n2 \"\xf0\x9f\x98\x80\"\n%t\n%%\n",
     "scan.l(2) : error L2022: multibyte character too big\n"
     "scan.l(2) : error L2020: hex character too big\n"
     "scan.l(3) : error L2022: multibyte character too big\n",
     {"-W"}},
    {"TableOfAUnicodeScannerHasNoEntryForWhatDoesNotConvert", "%t\n1 \"\xff\"\n2 \"\\\xfe\"\n%t\n%%\n",
     "scan.l(2) : error L2033: unable to convert multibyte character '0xff' to unicode character\n"
     "scan.l(3) : error L2033: unable to convert multibyte character '0xfe' to unicode character\n",
     {"-W"}},
    {"DuplicateMacro", "D [0-9]\nD [a-z]\n%%\n", "scan.l(2) : error L2027: 'D' : duplicate macro declaration\n"},
    {"UndefinedMacro", "%%\n\nx{Y}\t;\n", "scan.l(3) : error L2028: undefined macro 'Y'\n"},
    {"MacrosMatchExactly", "D [0-9]\n%%\n{d}\t;\n", "scan.l(3) : error L2028: undefined macro 'd'\n"},
    {"MacroWithoutClosingBrace", "D [0-9]\n%%\n{D\t;\n",
     "scan.l(3) : error L2029: macro reference does not have closing '}'\n"},
    {"RecursiveMacro", "A a{A}\n%%\n{A}\t;\n", "scan.l(3) : error L2030: recursive macro reference '{A}'\n"},
    {"InvalidCodePage", "%%\n%codepage 12\nx\t;\n%codepage 1252\n", "scan.l(2) : error L2032: invalid code page '12'\n"},
    {"CodePageMustBePositive", "%%\n%codepage 0\n", "scan.l(2) : error L2032: invalid code page '0'\n"},
    {"NameAfterStartStateInJava", "%s A\n%name scanner\n%%\n",
     "scan.l(2) : error L2041: start state declaration precedes name declaration\n", {"-Tj"}},
    {"NameAfterStartStateInC", "%s A\n%name scanner\n%%\n", ""},
    {"DuplicateStartStateDeclaration", "%s A\n%s A\n%%\n",
     "scan.l(2) : warning L4004: 'A' : duplicate start state declaration\n"},
    {"DuplicateStartState", "%s A\n%%\n<A,A>x\t;\n", "scan.l(3) : warning L4005: 'A' : duplicate start state\n"},
    // A prefix error skips its rule's action whole, so that its lines are
    // not read as rules of their own.
    {"BadPrefixSkipsItsAction", "%x A\n%%\n<A b>x   {\n  if (k) { k++; }\n}\ny\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"BadPrefixSkipsExpressionBracesBeforeItsAction",
     "%x A\nD [0-9]\n%%\n<A,>{D}\"{\"[{]\\{ {\n  s = \"}\"; /* } */\n}\n<A>y\t;\n",
     "scan.l(4) : error L2009: syntax error : missing 'identifier' before '>'\n"},
    // A "{" in an action that does not open with one, or in the
    // expression's class, starts nothing: the next rule is read as usual.
    {"BadPrefixUnbracedActionWithABrace", "%x A\n%%\n<A b>x   return '{';\n<A c>y\t;\nz\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"
     "scan.l(4) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"BadPrefixClassWithABrace", "%x A\n%%\n<A b>[[:alpha:] {]   ; // {\n<A c>y\t;\nz\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"
     "scan.l(4) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"BadPrefixClassExpressionBeforeABrace", "%x A\n%%\n<A b>[[:alpha:]]\tf(); // a[0] {\n<A c>y\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"
     "scan.l(4) : error L2009: syntax error : missing '>' before 'character'\n"},
    // Without a ">" that closes the list, one in the action closes nothing.
    {"BadPrefixUnclosedListBeforeAnActionWithAnArrow", "%x A\n%%\n<A x\tif (p->ok) {\n<A c>y\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"
     "scan.l(4) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"BadPrefixWithoutActionSkipsItsLine", "%x A\n%%\n<A b>x\n<A>y\t;\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"},
    {"BadPrefixActionUnclosed", "%x A\n%%\n<A b>x   { f();\n",
     "scan.l(3) : error L2009: syntax error : missing '>' before 'character'\n"
     "scan.l(3) : fatal error L1015: unexpected end of file found in action\n"},
    {"EndOfFileInCodeBlock", "%{\nint a;\n", "scan.l(2) : fatal error L1013: unexpected end of file found in code block\n"},
    {"EndOfFileInDeclarationBlock", "%include {\nint a;\n",
     "scan.l(2) : fatal error L1014: unexpected end of file found in declaration code block\n"},
    {"EndOfFileInAction", "%%\nx\t{ f();\n", "scan.l(2) : fatal error L1015: unexpected end of file found in action\n"},
    {"EndOfFileInUnbracedAction", "%%\nx\treturn 1\n",
     "scan.l(2) : fatal error L1015: unexpected end of file found in action\n"},
    {"EndOfFileInComment", "/* open\n\n", "scan.l(2) : fatal error L1016: unexpected end of file found in comment\n"},
    {"EndOfFileInCodeBlockComment", "%{\n/* x\n",
     "scan.l(2) : fatal error L1017: unexpected end of file found in code block comment\n"},
    {"EndOfFileInDeclarationBlockComment", "%name a {\n/* x\n",
     "scan.l(2) : fatal error L1018: unexpected end of file found in declaration code block comment\n"},
    {"EndOfFileInActionComment", "%%\nx\t{ /* a\n",
     "scan.l(2) : fatal error L1019: unexpected end of file found in action comment\n"},
};

INSTANTIATE_TEST_SUITE_P(Messages, ReaderMessage, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MessageCase>& entry) { return entry.param.name; });

TEST(ReaderMessages, ALongLineIsReportedOnce)
{
    const auto result =
        readThroughLindle("%%\nx\t;\n " + std::string(3000, 'a') + "\n " + std::string(5000, 'b') + "\nx\t;\n");
    EXPECT_EQ(result.out, "scan.l(3) : error L2002: line too long\nscan.l(4) : error L2002: line too long\n");
}

// A line of macros that each double the text: 2^17 bytes cannot fit in
// 65536.
std::string doublingMacros()
{
    std::string text = "M0 aaaaaaaaaaaaaaaa\n";
    for (int i = 1; i <= 13; ++i)
        text += "M" + std::to_string(i) + " {M" + std::to_string(i - 1) + "}{M" + std::to_string(i - 1) + "}\n";
    return text;
}

std::size_t countOf(const std::string& text, const std::string& piece)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

TEST(ReaderMessages, EachExpansionBeyondTheBufferIsReported)
{
    // D is ten references to 2000 bytes: the fourth D finds room for two of
    // them, and each of the other eight is reported; a reference after
    // them is still looked at, and the undefined one reported.
    std::string definitions = "C " + std::string(2000, 'c') + "\nD ";
    for (int i = 0; i < 10; ++i)
        definitions += "{C}";
    const auto result = readThroughLindle(definitions + "\n%%\n{D}{D}{D}{D}{U}x\t;\ny\t;\n");
    std::string expected;
    for (int i = 0; i < 8; ++i)
        expected += "scan.l(4) : error L2031: out of macro expansion space\n";
    EXPECT_EQ(result.out, expected + "scan.l(4) : error L2028: undefined macro 'U'\n");
}

TEST(ReaderMessages, RunawayExpansionIsReportedForEachReferenceThatFailsToFit)
{
    // Expansion goes depth first, so once the buffer is full the references
    // still waiting at the shallower levels each fail in turn, while the
    // room that each failure frees lets some of the short ones in.
    const auto result = readThroughLindle(doublingMacros() + "%%\n{M13}\t;\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(countOf(result.out, "scan.l(16) : error L2031: out of macro expansion space\n"), 14u);
    EXPECT_EQ(countOf(result.out, "\n"), 14u);
}

} // namespace
} // namespace lindle::testing
