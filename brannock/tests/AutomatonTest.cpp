#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GrammarReading.h"

using brannock::ActionKind;
using brannock::DefaultReductionMode;
using brannock::LrState;
using brannock::ParserKind;
using brannock::ToolOptions;
using brannock::testing::GrammarReading;

// The automaton of small grammars: numbering, lookaheads, the three kinds,
// conflict resolution and default reductions.
namespace {

ToolOptions kind(ParserKind parserKind)
{
    ToolOptions options;
    options.parserKind = parserKind;
    return options;
}

ToolOptions mode(DefaultReductionMode reductionMode, bool onErrorShift = true)
{
    ToolOptions options;
    options.defaultReductionMode = reductionMode;
    options.defaultReductionsOnErrorShift = onErrorShift;
    return options;
}

// "token: action" for each entry, and ".: reduce n" for the default.
std::vector<std::string> actionsOf(GrammarReading& reading, const LrState& state)
{
    std::vector<std::string> texts;
    const auto& tokens = reading.grammar().usedTokens();
    for (const brannock::ParseAction& action : state.actions) {
        const std::string name = tokens[static_cast<std::size_t>(action.tokenIndex)]->name;
        const char* kinds[] = {"error", "shift", "reduce", "accept", "default"};
        texts.push_back(name + ": " + kinds[static_cast<int>(action.kind)] +
                        (action.kind == ActionKind::Accept ? "" : " " + std::to_string(action.target)));
    }
    if (state.defaultReduction != nullptr)
        texts.push_back(".: reduce " + std::to_string(state.defaultReduction->number));
    return texts;
}

// The state entered by a symbol from state from.
const LrState* successor(GrammarReading& reading, const LrState& from, const std::string& symbol)
{
    for (const auto& [tokenIndex, target] : from.tokenSuccessors)
        if (reading.grammar().usedTokens()[static_cast<std::size_t>(tokenIndex)]->name == symbol)
            return target;
    for (const auto& [nonterminal, target] : from.nonterminalSuccessors)
        if (nonterminal->symbol->name == symbol)
            return target;
    return nullptr;
}

const std::string kLalrNotSlr = "%token ID\n%%\nS : L '=' R | R ;\nL : '*' R | ID ;\nR : L ;\n";
const std::string kLr1NotLalr =
    "%%\nS : 'a' A 'd' | 'b' B 'd' | 'a' B 'e' | 'b' A 'e' ;\nA : 'c' ;\nB : 'c' ;\n";
const std::string kExpression = "%token NUM\n%%\nexpr : expr '+' expr | expr '*' expr | NUM ;\n";

} // namespace

TEST(Automaton, TokenSuccessorsAreNumberedBeforeNonterminalOnes)
{
    GrammarReading reading("%%\nS : 'a' ;\n", {}, true);
    ASSERT_EQ(reading.states().size(), 3u);
    ASSERT_EQ(reading.state(0).kernel.size(), 1u);
    EXPECT_EQ(reading.state(0).kernel[0]->rule->number, 0);
    EXPECT_EQ(reading.state(0).kernel[0]->dot, 0);
    EXPECT_EQ(reading.state(1).accessingSymbol->name, "'a'");
    EXPECT_EQ(reading.state(2).accessingSymbol->name, "S");
}

TEST(Automaton, LalrButNotSlr)
{
    GrammarReading slr(kLalrNotSlr, kind(ParserKind::Slr), true);
    EXPECT_EQ(slr.messages(), "g.y(5) : warning Y4007: shift-reduce conflict on ''=''\n");
    GrammarReading lalr(kLalrNotSlr, kind(ParserKind::Lalr), true);
    EXPECT_EQ(lalr.messages(), "");
    EXPECT_EQ(slr.states().size(), lalr.states().size());
}

TEST(Automaton, Lr1ButNotLalr)
{
    GrammarReading lalr(kLr1NotLalr, kind(ParserKind::Lalr), true);
    // Merged by core, A's and B's reductions meet on 'd' and 'e'; A wins both.
    EXPECT_EQ(lalr.messages(), "g.y(4) : warning Y4008: reduce-reduce conflict on ''d''\n"
                               "g.y(4) : warning Y4008: reduce-reduce conflict on ''e''\n"
                               "g.y(4) : warning Y4011: 'B' : rule is never reduced\n");
    GrammarReading canonical(kLr1NotLalr, kind(ParserKind::CanonicalLr), true);
    EXPECT_EQ(canonical.messages(), "");
    EXPECT_GT(canonical.states().size(), lalr.states().size());
}

TEST(Automaton, EmptyRuleReducesOnWhatFollowsIt)
{
    GrammarReading reading("%token X Y\n%%\ns : opt X | Y ;\nopt : ;\n", mode(DefaultReductionMode::None), true);
    EXPECT_EQ(reading.messages(), "");
    // State 0 expects opt: its empty rule reduces on X only.
    EXPECT_THAT(actionsOf(reading, reading.state(0)), ::testing::ElementsAre("X: reduce 3", "Y: shift 1"));
    ASSERT_EQ(reading.state(0).reductions.size(), 1u);
    EXPECT_TRUE(reading.state(0).reductions[0]->rule->rightSide.empty());
}

TEST(Automaton, PrecedenceAndAssociativityResolveWithoutMessages)
{
    GrammarReading reading("%left '+'\n%left '*'\n" + kExpression, mode(DefaultReductionMode::None), true);
    EXPECT_EQ(reading.messages(), "");
    // After expr '+' expr: '*' binds tighter (shift), '+' groups left
    // (reduce). '*' (42) comes before '+' (43) in token order.
    const LrState* plus = successor(reading, *successor(reading, *successor(reading, reading.state(0), "expr"), "'+'"), "expr");
    ASSERT_NE(plus, nullptr);
    EXPECT_THAT(actionsOf(reading, *plus),
                ::testing::ElementsAre("$end: reduce 1", "'*': shift 3", "'+': reduce 1"));
    const LrState* times = successor(reading, *successor(reading, *successor(reading, reading.state(0), "expr"), "'*'"), "expr");
    EXPECT_THAT(actionsOf(reading, *times),
                ::testing::ElementsAre("$end: reduce 2", "'*': reduce 2", "'+': reduce 2"));
}

TEST(Automaton, WithoutPrecedenceFourShiftReduceConflictsShift)
{
    GrammarReading reading(kExpression, {}, true);
    EXPECT_EQ(reading.messages(), "g.y(3) : warning Y4007: shift-reduce conflict on ''*''\n"
                                  "g.y(3) : warning Y4007: shift-reduce conflict on ''+''\n"
                                  "g.y(3) : warning Y4007: shift-reduce conflict on ''*''\n"
                                  "g.y(3) : warning Y4007: shift-reduce conflict on ''+''\n");
    int statesWithConflicts = 0;
    for (const LrState* state : reading.states())
        if (state->shiftReduceConflicts > 0) {
            EXPECT_EQ(state->shiftReduceConflicts, 2);
            ++statesWithConflicts;
        }
    EXPECT_EQ(statesWithConflicts, 2);
    EXPECT_EQ(reading.actions().shiftReduceConflicts(), 4);
    EXPECT_EQ(reading.actions().reduceReduceConflicts(), 0);
}

// The nonassociative token gets an explicit error, which a default
// reduction must not take: "a < b < c" stays an error in every mode.
TEST(Automaton, NonassociativeLeavesAnExplicitError)
{
    for (DefaultReductionMode defaults : {DefaultReductionMode::None, DefaultReductionMode::Always}) {
        GrammarReading reading("%token NUM\n%nonassoc '<'\n%%\nexpr : expr '<' expr | NUM ;\n", mode(defaults),
                               true);
        EXPECT_EQ(reading.messages(), "");
        const LrState* after =
            successor(reading, *successor(reading, *successor(reading, reading.state(0), "expr"), "'<'"), "expr");
        if (defaults == DefaultReductionMode::None)
            EXPECT_THAT(actionsOf(reading, *after), ::testing::ElementsAre("$end: reduce 1", "'<': error 0"));
        else
            EXPECT_THAT(actionsOf(reading, *after), ::testing::ElementsAre("'<': error 0", ".: reduce 1"));
    }
}

// A later reduction on the token meets the error as it would have met the
// shift: the error stays, and a reduction without precedence is the same
// conflict whichever rule comes first.
TEST(Automaton, NonassociativeErrorStaysWhateverReductionComesLater)
{
    for (const std::string rules : {"e : X ;\nh : ;\n", "h : ;\ne : X ;\n"}) {
        GrammarReading reading("%token X\n%nonassoc X\n%%\ns : e X | X h X | X X X ;\n" + rules,
                               mode(DefaultReductionMode::None), true);
        EXPECT_NE(reading.messages().find("warning Y4007: shift-reduce conflict on 'X'\n"), std::string::npos)
            << rules << reading.messages();
        EXPECT_EQ(reading.actions().shiftReduceConflicts(), 1) << rules;
        const LrState* afterX = successor(reading, reading.state(0), "X");
        ASSERT_NE(afterX, nullptr) << rules;
        EXPECT_THAT(actionsOf(reading, *afterX), ::testing::ElementsAre("X: error 0")) << rules;
    }
    // A reduction that binds tighter than the token takes the entry in
    // either order.
    for (const std::string rules : {"e : X ;\nh : %prec HIGH ;\n", "h : %prec HIGH ;\ne : X ;\n"}) {
        GrammarReading reading("%token X HIGH\n%nonassoc X\n%nonassoc HIGH\n%%\ns : e X | X h X | X X X ;\n" + rules,
                               mode(DefaultReductionMode::None), true);
        const std::string reduceH = rules[0] == 'e' ? "X: reduce 5" : "X: reduce 4";
        const LrState* afterX = successor(reading, reading.state(0), "X");
        ASSERT_NE(afterX, nullptr) << rules;
        EXPECT_THAT(actionsOf(reading, *afterX), ::testing::ElementsAre(reduceH)) << rules;
    }
    // Both reductions have the operator's precedence: no conflict, and
    // "a n * n * n" is an error as "n * n * n" is.
    GrammarReading nested("%nonassoc '*'\n%%\ne : 'a' e '*' e | e '*' e | 'n' ;\n", mode(DefaultReductionMode::None),
                          true);
    EXPECT_EQ(nested.messages(), "");
    const LrState* inner = successor(nested, nested.state(0), "'a'");
    for (const char* symbol : {"e", "'*'", "e"}) {
        ASSERT_NE(inner, nullptr) << symbol;
        inner = successor(nested, *inner, symbol);
    }
    ASSERT_NE(inner, nullptr);
    EXPECT_THAT(actionsOf(nested, *inner), ::testing::Contains("'*': error 0"));
}

TEST(Automaton, PrecedenceOfATokenWithoutAssociativityResolvesNothing)
{
    GrammarReading reading("%token NUM MARK\n%left '+'\n%%\nexpr : expr '+' expr %prec MARK | NUM ;\n", {}, true);
    // %prec named a token without associativity, so the rule's last token
    // gives the precedence; it has one, and resolves.
    EXPECT_EQ(reading.messages(), "");
    GrammarReading none("%token NUM MARK\n%%\nexpr : expr '+' expr %prec MARK | NUM ;\n", {}, true);
    EXPECT_EQ(none.messages(), "g.y(3) : warning Y4007: shift-reduce conflict on ''+''\n");
}

TEST(Automaton, TwoRulesReducingOnOneTokenTheLowerWins)
{
    GrammarReading reading("%%\ns : a 'x' | b 'x' ;\na : 'y' ;\nb : 'y' ;\n", mode(DefaultReductionMode::None), true);
    // At the line of the losing rule.
    EXPECT_EQ(reading.messages(), "g.y(4) : warning Y4008: reduce-reduce conflict on ''x''\n"
                                  "g.y(4) : warning Y4011: 'b' : rule is never reduced\n");
    const LrState* afterY = successor(reading, reading.state(0), "'y'");
    EXPECT_THAT(actionsOf(reading, *afterY), ::testing::ElementsAre("'x': reduce 3"));
    EXPECT_EQ(afterY->reduceReduceConflicts, 1);
    EXPECT_EQ(reading.actions().reduceReduceConflicts(), 1);
    EXPECT_EQ(reading.actions().shiftReduceConflicts(), 0);
}

TEST(Automaton, ConflictsAreCountedApartFromOtherWarnings)
{
    // The frame counts warnings of every kind; the conflicts are counted
    // where they are found.
    GrammarReading reading("%token IF ELSE X\n%%\ns : IF s | IF s ELSE s | X | a 'q' | b 'q' ;\na : 'y' ;\nb : 'y' ;\n",
                           {}, true);
    EXPECT_EQ(reading.messages(), "g.y(5) : warning Y4008: reduce-reduce conflict on ''q''\n"
                                  "g.y(3) : warning Y4007: shift-reduce conflict on 'ELSE'\n"
                                  "g.y(5) : warning Y4011: 'b' : rule is never reduced\n");
    EXPECT_EQ(reading.warnings(), 3);
    EXPECT_EQ(reading.actions().shiftReduceConflicts(), 1);
    EXPECT_EQ(reading.actions().reduceReduceConflicts(), 1);
}

TEST(Automaton, DefaultReductionModes)
{
    // State 0 shifts error or reduces the empty list on the other tokens;
    // a state after 'x' reduces one rule on two tokens.
    const std::string grammar = "%token A B\n%%\nlist : | list item ;\nitem : 'x' A | 'x' B | error ';' ;\n";
    GrammarReading none(grammar, mode(DefaultReductionMode::None), true);
    GrammarReading always(grammar, mode(DefaultReductionMode::Always), true);
    GrammarReading onlyIfAlone(grammar, mode(DefaultReductionMode::IfNoOtherActions), true);
    GrammarReading errorOnly(grammar, mode(DefaultReductionMode::ErrorTokenOnly), true);
    GrammarReading noneOnErrorShift(grammar, mode(DefaultReductionMode::Always, false), true);
    for (GrammarReading* reading : {&none, &always, &onlyIfAlone, &errorOnly, &noneOnErrorShift})
        EXPECT_EQ(reading->messages(), "");
    EXPECT_EQ(none.state(0).defaultReduction, nullptr);
    EXPECT_EQ(always.state(0).defaultReduction->number, 1);
    EXPECT_EQ(onlyIfAlone.state(0).defaultReduction->number, 1);
    // -Re: error may follow an empty list, so state 0 reduces on it.
    EXPECT_EQ(errorOnly.state(0).defaultReduction->number, 1);
    // Where error reduces nowhere, -Re gives no default at all.
    GrammarReading withoutError("%%\ns : 'a' b ;\nb : 'c' ;\n", mode(DefaultReductionMode::ErrorTokenOnly), true);
    for (const LrState* state : withoutError.states())
        EXPECT_EQ(state->defaultReduction, nullptr) << state->number;
    // State 1 (after list) shifts error: -N keeps its reductions listed.
    const LrState& afterList = always.state(1);
    EXPECT_EQ(afterList.accessingSymbol->name, "list");
    EXPECT_EQ(noneOnErrorShift.state(1).defaultReduction, nullptr);
    // Every reduce entry of the default rule leaves the list.
    for (const brannock::ParseAction& action : always.state(0).actions)
        EXPECT_NE(action.kind, ActionKind::Reduce);
}

TEST(Automaton, DefaultFavouringErrorTokenReductions)
{
    // In the state after 'x' both rules reduce; error's reduction is by the
    // one with fewer entries.
    const std::string grammar = "%%\ns : a 'p' | a 'q' | a 'r' | b error ;\na : 'x' ;\nb : 'x' ;\n";
    GrammarReading favour(grammar, mode(DefaultReductionMode::FavourErrorToken), true);
    GrammarReading most(grammar, mode(DefaultReductionMode::Always), true);
    const LrState* favourX = successor(favour, favour.state(0), "'x'");
    const LrState* mostX = successor(most, most.state(0), "'x'");
    EXPECT_EQ(favourX->defaultReduction->leftSide->name, "b");
    EXPECT_EQ(mostX->defaultReduction->leftSide->name, "a");
}

TEST(Automaton, NeverUsedReports)
{
    GrammarReading reading("%token A B\n%%\ns : A | A ;\nt : B ;\n", {}, true);
    EXPECT_EQ(reading.messages(), "g.y(3) : warning Y4008: reduce-reduce conflict on '$end'\n"
                                  "g.y(1) : warning Y4010: 'B' : token is never shifted\n"
                                  "g.y(3) : warning Y4011: 's' : rule is never reduced\n"
                                  "g.y(4) : warning Y4011: 't' : rule is never reduced\n");
}
