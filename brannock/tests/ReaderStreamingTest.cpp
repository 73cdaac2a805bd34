#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GrammarReading.h"

using brannock::testing::GrammarReading;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// What the reader asks of the emitter, and in which order: the $-forms of
// actions above all.
namespace {

// The calls from the first action case on.
std::vector<std::string> actionCalls(GrammarReading& reading)
{
    const auto calls = reading.calls();
    auto first = std::find_if(calls.begin(), calls.end(),
                              [](const std::string& call) { return call.rfind("beginActionCase", 0) == 0; });
    return std::vector<std::string>(first, calls.end());
}

} // namespace

TEST(ReaderStreaming, PositionalCountsTheItemsBeforeTheAction)
{
    GrammarReading reading("%token b c\n%%\na : b c { f($1); } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading), ElementsAre("beginActionCase(0, 3)", "positionalAttribute(1, 2)",
                                                  "endActionCase(true)"));
}

TEST(ReaderStreaming, SumOfOneAndThreeAtTheEndOfTheAlternative)
{
    GrammarReading reading("%union { int v; }\n%token <v> NUM\n%type <v> expr\n%%\n"
                           "expr : expr '+' expr { $$ = $1 + $3; } | NUM ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading),
                ElementsAre("beginActionCase(0, 4)", "resultAttribute()", "attributeMember(\"v\")",
                            "positionalAttribute(1, 3)", "attributeMember(\"v\")", "positionalAttribute(3, 3)",
                            "attributeMember(\"v\")", "endActionCase(true)"));
}

TEST(ReaderStreaming, TaggedFormsAndSignedOffsets)
{
    GrammarReading reading("%token b\n%%\na : b { $<x>$ = $<y>1 + $-1 + $+1 + $0; } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading),
                ElementsAre("beginActionCase(0, 2)", "resultAttribute()", "attributeMember(\"x\")",
                            "positionalAttribute(1, 1)", "attributeMember(\"y\")", "positionalAttribute(-1, 1)",
                            "positionalAttribute(1, 1)", "positionalAttribute(0, 1)", "endActionCase(true)"));
}

TEST(ReaderStreaming, MidRuleActionBeforeTheFinalOne)
{
    GrammarReading reading("%union { int i; char c; }\n%token <i> b\n%token <c> c\n%type <i> a\n%%\n"
                           "a : b { $$ = $1; } c { $$ = $2 + $3; } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading),
                ElementsAre("beginActionCase(0, 2)", "resultAttribute()", "attributeMember(\"i\")",
                            "positionalAttribute(1, 1)", "attributeMember(\"i\")", "endActionCase(true)",
                            "beginActionCase(1, 4)", "resultAttribute()", "attributeMember(\"i\")",
                            "positionalAttribute(2, 3)", "attributeMember(\"i\")", "positionalAttribute(3, 3)",
                            "attributeMember(\"c\")", "endActionCase(true)"));
    // The embedded action is a nonterminal of its own with one empty rule,
    // numbered before the rule it stands in.
    const auto& rules = reading.grammar().rules();
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[1]->leftSide->name, "$$1");
    EXPECT_TRUE(rules[1]->rightSide.empty());
    EXPECT_EQ(rules[1]->action, 0);
    EXPECT_EQ(rules[2]->rightSide.size(), 3u);
    EXPECT_EQ(rules[2]->rightSide[1]->name, "$$1");
    EXPECT_EQ(rules[2]->action, 1);
}

TEST(ReaderStreaming, ConsecutiveActionsCountThePendingOne)
{
    // When the second action is read the first has not yet become a
    // nonterminal; it still counts as an item, typed by its tag.
    GrammarReading reading("%union { int i; long l; }\n%token <i> b\n%type <i> a\n%%\n"
                           "a : b <l>{ $$ = 1; } { $$ = $2; } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading),
                ElementsAre("beginActionCase(0, 2)", "resultAttribute()", "attributeMember(\"l\")",
                            "endActionCase(true)", "beginActionCase(1, 3)", "resultAttribute()",
                            "attributeMember(\"i\")", "positionalAttribute(2, 2)", "attributeMember(\"l\")",
                            "endActionCase(true)"));
    EXPECT_EQ(reading.symbol("$$1")->type->name, "<l>");
}

TEST(ReaderStreaming, UntypedAttributesWarnOnlyOnceTypesAreInUse)
{
    GrammarReading untyped("%token b\n%%\na : b 'c' { $$ = $1 + $2; } ;\n");
    EXPECT_EQ(untyped.messages(), "");
    GrammarReading typed("%token <v> b\n%%\na : b 'c' { $$ = $1 + $2; } ;\n");
    EXPECT_EQ(typed.messages(), "g.y(3) : warning Y4003: '$$' : attribute is untyped\n"
                                "g.y(3) : warning Y4003: '$2' : attribute is untyped\n");
}

TEST(ReaderStreaming, DollarsThatAreNoFormStayAsTheyAre)
{
    GrammarReading reading("%token b\n%%\na : b { x = \"$1\"; y = '$'; /* $$ */ $x; $<t; $-; } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading), ElementsAre("beginActionCase(0, 2)", "endActionCase(true)"));
}

TEST(ReaderStreaming, BadAttributeForms)
{
    GrammarReading reading("%token b\n%%\na : b { $<>1; $99999999999; } ;\n");
    EXPECT_EQ(reading.messages(), "g.y(3) : error Y2019: empty attribute tag\n"
                                  "g.y(3) : error Y2020: attribute offset too big\n");
}

TEST(ReaderStreaming, DestructorActionsBelongToNoRule)
{
    GrammarReading reading("%union { char *s; }\n%token <s> NAME\n%%\n"
                           "a : NAME { } ;\n~ <s> : { free($$); } ;\n~ NAME | ~ a : { $1; } \n");
    // The action is read before the listed symbols get it.
    EXPECT_EQ(reading.messages(), "g.y(6) : warning Y4003: '$1' : attribute is untyped\n"
                                  "g.y(6) : error Y2032: 'a' : symbol type is different\n");
    EXPECT_THAT(actionCalls(reading),
                ElementsAre("beginActionCase(0, 2)", "endActionCase(true)", "beginActionCase(1, none)",
                            "resultAttribute()", "attributeMember(\"s\")", "endActionCase(false)",
                            "beginActionCase(2, none)", "positionalAttribute(1, 0)", "endActionCase(false)"));
    EXPECT_EQ(reading.symbol("<s>")->destructor, 1);
    EXPECT_EQ(reading.symbol("NAME")->destructor, 2);
}

TEST(ReaderStreaming, EqualsActionEndsAtItsSemicolon)
{
    GrammarReading reading("%token b\n%%\na : b = f($1);\n | b b ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(actionCalls(reading), ElementsAre("beginActionCase(0, 2)", "positionalAttribute(1, 1)",
                                                  "endActionCase(true)"));
    EXPECT_EQ(reading.grammar().rules().size(), 3u);
}

TEST(ReaderStreaming, DeclarationsInFileOrder)
{
    GrammarReading reading("%union { int i; }\n%{ int x; %}\n%token A 300\n%name p { a } { b } { c }\n"
                           "%token <i> 'if' B\n%%\ns : A 'if' B { } ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(reading.calls(),
                ElementsAre("unionBlock(true)", "unionBlock(false)", "beginSourceFile(true)",
                            "tokenConstant(\"A\", 300)", "parserName(true, \"p\")", "parserName(false, \"p\")",
                            "constructorBlock(true, \"p\")", "constructorBlock(false, \"p\")",
                            "destructorBlock(true, \"p\")", "destructorBlock(false, \"p\")",
                            "tokenConstant(\"'if'\", 301)", "tokenConstant(\"B\", 302)", "beginActionFunction()",
                            "beginActionSwitch()", "beginActionCase(0, 4)", "endActionCase(true)"));
}

TEST(ReaderStreaming, NameWithoutBlocksStillFramesThem)
{
    GrammarReading reading("%name calc\n%%\ns : ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_THAT(reading.calls(),
                ElementsAre("beginSourceFile(true)", "parserName(true, \"calc\")", "parserName(false, \"calc\")",
                            "constructorBlock(true, \"calc\")", "constructorBlock(false, \"calc\")",
                            "destructorBlock(true, \"calc\")", "destructorBlock(false, \"calc\")",
                            "beginActionFunction()"));
}

TEST(ReaderStreaming, PreambleAtTheEndOfDeclarationsWhenNothingComesFirst)
{
    GrammarReading reading("%start s\n%%\ns : ;\n");
    EXPECT_THAT(reading.calls(), ElementsAre("beginSourceFile(true)", "beginActionFunction()"));
}
