#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "LexReading.h"

// What the reader hands to the emitter and to the expression builder.
namespace lindle::testing {
namespace {

using ::testing::ElementsAre;

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

TEST(ReaderStreaming, IndentedDefinitionLineIsCopiedBehindItsLineDirective)
{
    const Reading reading = readLexSource("D [0-9]\n\tint counter = 0;\n%%\n");
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_TRUE(contains(reading.source, "#line 2 \"scan.l\"\n\tint counter = 0;\n")) << reading.source;
}

TEST(ReaderStreaming, CodeBlockIsCopiedAndTheFileReturnsToItself)
{
    const Reading reading = readLexSource("%{\n#include <stdio.h>\n%}\n%%\n");
    EXPECT_TRUE(contains(reading.source, "#line 1 \"scan.l\"\n\n#include <stdio.h>\n")) << reading.source;
}

TEST(ReaderStreaming, StartConditionsAreNumberedAndAnnouncedAtOnce)
{
    const Reading reading = readLexSource("%s A B\n%x A\n%x C\n%%\n");
    EXPECT_EQ(reading.diagnostics, "scan.l(2) : error L2023: 'A' : re-declaration of start state exclusivity\n");
    EXPECT_THAT(std::vector<std::string>(reading.calls.begin(), reading.calls.begin() + 4),
                ElementsAre("beginSource(repeat)", "startConditionDeclared(A, 2)", "startConditionDeclared(B, 4)",
                            "startConditionDeclared(C, 6)"));
    EXPECT_EQ(reading.startConditions, 4);
}

TEST(ReaderStreaming, TheActionMayStandOnTheNextLine)
{
    const Reading reading = readLexSource("%%\nabc \n    { return 1; }\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 1u);
    EXPECT_EQ(reading.expressions[0].text, "abc");
    EXPECT_TRUE(contains(reading.source, "#line 3 \"scan.l\"\n{ return 1; }")) << reading.source;
}

TEST(ReaderStreaming, AnIndentedLineWhereARuleIsExpectedIsVerbatim)
{
    const Reading reading = readLexSource("%%\nabc\t;\n  int local;\n");
    EXPECT_EQ(reading.expressions.size(), 1u);
    EXPECT_TRUE(contains(reading.source, "#line 3 \"scan.l\"\n  int local;\n")) << reading.source;
}

TEST(ReaderStreaming, AnUnbracedActionRunsOverLinesToItsSemicolon)
{
    const Reading reading = readLexSource("%%\nx   return\n    1;\ny\t{ f(); }\n");
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_TRUE(contains(reading.source, "return\n    1;")) << reading.source;
    EXPECT_TRUE(contains(reading.source, "{ f(); }")) << reading.source;
    // Neither gets a ';' from the emitter: the first has its own.
    EXPECT_EQ(std::count(reading.calls.begin(), reading.calls.end(), "endAction()"), 2);
}

TEST(ReaderStreaming, TheEmptyActionAsksForItsSemicolon)
{
    const Reading reading = readLexSource("%%\nx\t;\n");
    EXPECT_THAT(reading.calls, ElementsAre("beginSource(repeat)", "beginActionFunction()", "openActionSwitch()",
                                           "caseLabel(1)", "beginAction(2)", "endAction(semicolon)",
                                           "breakAfterAction()", "closeActionSwitch()", "closeActionFunction()",
                                           "afterProgramCode(absent)"));
}

TEST(ReaderStreaming, ABarSharesTheNextAction)
{
    const Reading reading = readLexSource("%%\nabc |\ndef { return 1; }\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 2u);
    EXPECT_EQ(reading.expressions[0].actionNumber, 1);
    EXPECT_EQ(reading.expressions[1].actionNumber, 2);
    EXPECT_THAT(std::vector<std::string>(reading.calls.begin() + 2, reading.calls.begin() + 6),
                ElementsAre("openActionSwitch()", "caseLabel(1)", "caseLabel(2)", "beginAction(3)"));
}

TEST(ReaderStreaming, MacrosAreSubstitutedAsText)
{
    const Reading reading = readLexSource("D [0-9]\nA a|b\n%%\n{D}+\t;\nx{A}\t;\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 2u);
    EXPECT_EQ(reading.expressions[0].text, "[0-9]+");
    EXPECT_EQ(reading.expressions[1].text, "xa|b");
}

TEST(ReaderStreaming, MacrosNestAndTheRestOfTheLineFollows)
{
    const Reading reading = readLexSource("D [0-9]\nN {D}+\n%%\n{N}\".\"{N}\t;\n{D\t;\n");
    ASSERT_EQ(reading.expressions.size(), 2u);
    EXPECT_EQ(reading.expressions[0].text, "[0-9]+\".\"[0-9]+");
    // The name read so far is expanded all the same.
    EXPECT_EQ(reading.expressions[1].text, "[0-9]");
    EXPECT_EQ(reading.diagnostics, "scan.l(5) : error L2029: macro reference does not have closing '}'\n");
}

TEST(ReaderStreaming, ASelfReferenceIsDroppedAfterItsReport)
{
    const Reading reading = readLexSource("A a{A}\nB {A}b\n%%\n{B}\t;\n{A}{A}\t;\n");
    EXPECT_EQ(reading.diagnostics, "scan.l(4) : error L2030: recursive macro reference '{A}'\n"
                                   "scan.l(5) : error L2030: recursive macro reference '{A}'\n"
                                   "scan.l(5) : error L2030: recursive macro reference '{A}'\n");
    ASSERT_EQ(reading.expressions.size(), 2u);
    EXPECT_EQ(reading.expressions[0].text, "ab");
    EXPECT_EQ(reading.expressions[1].text, "aa");
}

TEST(ReaderStreaming, AReferenceThatDoesNotFitIsDroppedAndTheLineGoesOn)
{
    // D is 20000 bytes: the fourth finds room for two of its 2000-byte
    // references only; the short one after them still fits.
    std::string definitions = "C " + std::string(2000, 'c') + "\nS s\nD ";
    for (int i = 0; i < 10; ++i)
        definitions += "{C}";
    const Reading reading = readLexSource(definitions + "\n%%\n{D}{D}{D}{D}{S}x\t;\n{D}\t;\n");
    EXPECT_EQ(reading.errors, 8);
    ASSERT_EQ(reading.expressions.size(), 2u);
    EXPECT_EQ(reading.expressions[0].text, std::string(64000, 'c') + "sx");
    // The next line has the whole buffer again.
    EXPECT_EQ(reading.expressions[1].text, std::string(20000, 'c'));
}

TEST(ReaderStreaming, BracesThatStartNoMacroAreLeftForTheExpression)
{
    const Reading reading = readLexSource("%%\na{2,3}\t;\n");
    ASSERT_EQ(reading.expressions.size(), 1u);
    EXPECT_EQ(reading.expressions[0].text, "a{2,3}");
}

TEST(ReaderStreaming, ALongLineKeepsItsFirstBytes)
{
    const Reading reading = readLexSource("%%\n" + std::string(3000, 'a') + "\n;\n");
    EXPECT_EQ(reading.diagnostics, "scan.l(2) : error L2002: line too long\n");
    ASSERT_EQ(reading.expressions.size(), 1u);
    EXPECT_EQ(reading.expressions[0].text, std::string(2046, 'a'));
}

TEST(ReaderStreaming, PrefixesTrailingContextAndEndOfFile)
{
    const Reading reading = readLexSource("%s A\n%x B\n%%\n^<A,B>ab/cd\t;\n<*>x$\t;\n<B><<EOF>>\t;\n"
                                              "\"a b\"[ ]\t;\n/x\t;\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 5u);
    const RuleExpression& first = reading.expressions[0];
    EXPECT_EQ(first.line, 4);
    EXPECT_TRUE(first.anchored);
    EXPECT_THAT(first.conditions, ElementsAre(1, 2));
    EXPECT_EQ(first.text, "ab");
    EXPECT_TRUE(first.hasTrailingContext);
    EXPECT_EQ(first.trailingContext, "cd");
    EXPECT_TRUE(reading.expressions[1].allConditions);
    EXPECT_TRUE(reading.expressions[1].trailingNewline);
    EXPECT_EQ(reading.expressions[1].text, "x");
    EXPECT_TRUE(reading.expressions[2].endOfFile);
    EXPECT_THAT(reading.expressions[2].conditions, ElementsAre(2));
    EXPECT_EQ(reading.expressions[3].text, "\"a b\"[ ]");
    EXPECT_EQ(reading.expressions[4].text, "");
    EXPECT_EQ(reading.expressions[4].trailingContext, "x");
}

TEST(ReaderStreaming, ScopesGiveTheirPrefixAndNest)
{
    const Reading reading = readLexSource("%x A\n%s B\n%%\n<A>{\na\t;\n^{\nb\t;\n}\n<B>c\t;\n}\nd\t;\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 4u);
    EXPECT_THAT(reading.expressions[0].conditions, ElementsAre(1));
    EXPECT_THAT(reading.expressions[1].conditions, ElementsAre(1));
    EXPECT_TRUE(reading.expressions[1].anchored);
    // A rule's own conditions add to its scope's, as in flex.
    EXPECT_THAT(reading.expressions[2].conditions, ElementsAre(2, 1));
    EXPECT_TRUE(reading.expressions[3].conditions.empty());
    EXPECT_FALSE(reading.expressions[3].anchored);
}

TEST(ReaderStreaming, NestedScopesJoinTheirConditions)
{
    const Reading reading =
        readLexSource("%x A B C\n%%\n<A>{\n<B,A>{\na\t;\n<C>b\t;\n<*>c\t;\n}\n}\n<B>{\n^<C>{\nd\t;\n}\n}\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 4u);
    EXPECT_THAT(reading.expressions[0].conditions, ElementsAre(2, 1));
    EXPECT_THAT(reading.expressions[1].conditions, ElementsAre(3, 2, 1));
    EXPECT_TRUE(reading.expressions[2].allConditions);
    EXPECT_THAT(reading.expressions[3].conditions, ElementsAre(3, 2));
    EXPECT_TRUE(reading.expressions[3].anchored);
    EXPECT_FALSE(reading.expressions[0].anchored);
}

TEST(ReaderStreaming, DirectivesApplyToTheRulesAfterThem)
{
    const Reading reading = readLexSource("%%\na\t;\n%char\n%codepage 1252\n%current\n%return\nb\t;\n"
                                              "%byte\n%codepage_ascii\n%ascii\n%break\nc\t;\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.expressions.size(), 3u);
    EXPECT_FALSE(reading.expressions[0].settings.characters);
    EXPECT_EQ(reading.expressions[0].settings.codePage, 65001);
    EXPECT_TRUE(reading.expressions[1].settings.characters);
    EXPECT_EQ(reading.expressions[1].settings.codePage, 1252);
    EXPECT_FALSE(reading.expressions[1].settings.asciiClasses);
    EXPECT_EQ(reading.expressions[1].settings.codePageKind, CodePageKind::Numbered);
    EXPECT_EQ(reading.expressions[2].settings.codePage, 0);
    EXPECT_EQ(reading.expressions[2].settings.codePageKind, CodePageKind::Ascii);
    EXPECT_TRUE(reading.expressions[2].settings.asciiClasses);
    EXPECT_EQ(std::count(reading.calls.begin(), reading.calls.end(), "breakAfterAction()"), 2);
}

TEST(ReaderStreaming, TranslationTableBecomesRuns)
{
    const Reading reading = readLexSource("%t\n1 \"abc\"\n2 \"d\", 1 \"e\"\n%t\n%%\n");
    EXPECT_EQ(reading.diagnostics, "");
    ASSERT_EQ(reading.translation.size(), 3u);
    EXPECT_EQ(reading.translation[0].first, 'a');
    EXPECT_EQ(reading.translation[0].last, 'c');
    EXPECT_EQ(reading.translation[0].value, 1);
    EXPECT_EQ(reading.translation[1].first, 'd');
    EXPECT_EQ(reading.translation[2].first, 'e');
}

TEST(ReaderStreaming, SizesAndOptionsAreReadAndIgnored)
{
    const Reading reading = readLexSource("%a 100\n%e 0x20\n%k 017\n%n 5\n%o 6\n%p 7\n%option noyywrap yylineno\n%%\n");
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_EQ(reading.errors, 0);
}

TEST(ReaderStreaming, NameBlocksGoWhereTheyBelong)
{
    const Reading reading = readLexSource("%name scanner {\nint member;\n} {\nbuild();\n} {\nclear();\n}\n"
                                              "%include {\nint shared;\n}\n%%\n",
                                              ToolOptions{}, true);
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_THAT(std::vector<std::string>(reading.calls.begin(), reading.calls.begin() + 8),
                ElementsAre("beginSource(repeat)", "includeGeneratedHeader(scan.h)",
                            "namePart(declaration, scanner, open)", "namePart(declaration, scanner, close)",
                            "namePart(constructor, scanner, open)", "namePart(constructor, scanner, close)",
                            "namePart(destructor, scanner, open)", "namePart(destructor, scanner, close)"));
    EXPECT_TRUE(contains(reading.include, "int member;")) << reading.include;
    EXPECT_TRUE(contains(reading.include, "int shared;")) << reading.include;
    EXPECT_TRUE(contains(reading.source, "build();")) << reading.source;
    EXPECT_TRUE(contains(reading.source, "clear();")) << reading.source;
}

TEST(ReaderStreaming, ProgramCodeIsCopiedWithANewline)
{
    const Reading reading = readLexSource("%%\nx\t;\n%% ignored\nint main() { return 0; }");
    EXPECT_TRUE(contains(reading.source, "#line 4 \"scan.l\"\nint main() { return 0; }\n")) << reading.source;
    EXPECT_EQ(reading.calls.back(), "afterProgramCode(present)");
    EXPECT_EQ(reading.rulesReadCalls, 1);
}

TEST(ReaderStreaming, CommentsStandWhereTokensMay)
{
    const Reading reading = readLexSource("/* a comment */ %s A // and another\n%%\nx /* before */ ;\n");
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_EQ(reading.expressions.size(), 1u);
}

TEST(ReaderStreaming, CodeBlockEndInsideLiteralsDoesNotEndIt)
{
    const Reading reading = readLexSource("%{\nchar* s = \"%}\"; /* %} */ // %}\n%}\n%%\n");
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_TRUE(contains(reading.source, "char* s = \"%}\"; /* %} */ // %}")) << reading.source;
}

} // namespace
} // namespace lindle::testing
