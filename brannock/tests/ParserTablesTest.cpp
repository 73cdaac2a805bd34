#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GrammarReading.h"

using brannock::ParserTables;
using brannock::ToolOptions;
using brannock::testing::GrammarReading;
using ::testing::ElementsAre;

// The tables as they are written: compression, packing, compact runs and
// destructor tables, checked on the rows the emitter is given.
namespace {

ToolOptions options(std::initializer_list<std::function<void(ToolOptions&)>> changes)
{
    ToolOptions result;
    for (const auto& change : changes)
        change(result);
    return result;
}

const auto noDefaultStates = [](ToolOptions& o) { o.defaultActionStates = false; };
const auto noDefaultReductions = [](ToolOptions& o) { o.defaultReductionMode = brannock::DefaultReductionMode::None; };
const auto compact = [](ToolOptions& o) { o.compactTables = true; };
const auto unicode = [](ToolOptions& o) { o.unicode = true; };

// "base" of each state's state action row.
std::vector<int> actionBases(GrammarReading& reading)
{
    std::vector<int> bases;
    for (const std::string& row : reading.table("beginStateActionTable")) {
        int index, base;
        if (std::sscanf(row.c_str(), "stateActionRow(%d, %d", &index, &base) == 2)
            bases.push_back(base);
    }
    return bases;
}

// Three states (after 'a', 'b', 'c') whose actions are the same shifts.
const std::string kThreeAlike = "%%\ns : 'a' t | 'b' t | 'c' t ;\nt : 'x' | 'y' ;\n";

} // namespace

TEST(ParserTables, IdenticalStatesShareTheLastOneAsDefault)
{
    GrammarReading reading(kThreeAlike, options({noDefaultReductions}), true);
    const auto& rows = reading.tables().rows();
    EXPECT_EQ(rows[1].defaultActionState, 3);
    EXPECT_EQ(rows[2].defaultActionState, 3);
    EXPECT_EQ(rows[3].defaultActionState, -1);
    EXPECT_TRUE(rows[1].actions.empty());
    EXPECT_TRUE(rows[2].actions.empty());
    EXPECT_EQ(rows[3].actions.size(), 2u);
    // Their state action rows lead on to state 3.
    const auto stateActions = reading.table("beginStateActionTable");
    EXPECT_THAT(stateActions[2], ::testing::EndsWith("false, default, 3)"));
    EXPECT_THAT(stateActions[3], ::testing::EndsWith("false, default, 3)"));
}

TEST(ParserTables, WithoutDefaultStatesEveryStateIsPackedItself)
{
    GrammarReading reading(kThreeAlike, options({noDefaultStates, noDefaultReductions}), true);
    for (const ParserTables::Row& row : reading.tables().rows())
        EXPECT_EQ(row.defaultActionState, -1);
    EXPECT_EQ(reading.tables().rows()[1].actions.size(), 2u);
}

TEST(ParserTables, NoErrorIntroductionKeepsStatesApart)
{
    // State after 'a' shifts 'x' only, after 'b' shifts 'x' and 'y': with
    // -E the first may not take the second as default (that would need an
    // error entry for 'y').
    const std::string grammar = "%%\ns : 'a' u | 'b' t ;\nu : 'x' ;\nt : 'x' | 'y' ;\n";
    GrammarReading introduce(grammar, options({noDefaultReductions}), true);
    GrammarReading keep(grammar, options({noDefaultReductions, [](ToolOptions& o) { o.errorActionsForDefaultStates = false; }}),
                        true);
    const auto& introduced = introduce.tables().rows();
    const auto& kept = keep.tables().rows();
    EXPECT_EQ(introduced[2].defaultActionState, -1);
    EXPECT_EQ(kept[1].defaultActionState, -1);
    for (std::size_t s = 0; s < kept.size(); ++s) {
        const int fallback = kept[s].defaultActionState;
        if (fallback < 0)
            continue;
        // A default may add no token the state lacks.
        for (const auto& entry : kept[static_cast<std::size_t>(fallback)].actions)
            EXPECT_TRUE(std::any_of(kept[s].actions.begin(), kept[s].actions.end(),
                                    [&](const auto& mine) { return mine.key == entry.key; }) ||
                        kept[s].actions.empty())
                << s;
    }
}

TEST(ParserTables, DefaultChainsNeverLoop)
{
    GrammarReading reading(GrammarReading::readFile("ansic.y"), {}, true);
    const auto& rows = reading.tables().rows();
    for (std::size_t s = 0; s < rows.size(); ++s) {
        std::size_t steps = 0;
        for (int at = rows[s].defaultActionState; at >= 0; at = rows[static_cast<std::size_t>(at)].defaultActionState)
            ASSERT_LT(++steps, rows.size()) << s;
        steps = 0;
        for (int at = rows[s].defaultGotoState; at >= 0; at = rows[static_cast<std::size_t>(at)].defaultGotoState)
            ASSERT_LT(++steps, rows.size()) << s;
    }
}

TEST(ParserTables, StatesWithOneTokenTakeConsecutiveBases)
{
    // After 'a', 'b' and 'c' the only action is to shift 'x' (120).
    GrammarReading reading("%%\ns : 'a' 'x' | 'b' 'x' | 'c' 'x' ;\n", options({noDefaultStates}), true);
    const std::vector<int> bases = actionBases(reading);
    ASSERT_GE(bases.size(), 4u);
    std::vector<int> ofX{bases[1], bases[2], bases[3]};
    std::sort(ofX.begin(), ofX.end());
    EXPECT_EQ(ofX[1], ofX[0] + 1);
    EXPECT_EQ(ofX[2], ofX[1] + 1);
    const auto tokenActions = reading.table("beginTokenActionTable");
    ASSERT_FALSE(tokenActions.empty());
    int size = 0;
    std::sscanf(tokenActions[0].c_str(), "beginTokenActionTable(%d)", &size);
    EXPECT_EQ(size, static_cast<int>(tokenActions.size()) - 1);
    EXPECT_GE(size, ofX[2] + 120 + 1);
}

TEST(ParserTables, FirstStatePackedStartsAtMinusItsLowestToken)
{
    GrammarReading reading("%%\ns : '(' s ')' | 'x' ;\n", options({noDefaultStates}), true);
    // State 0 and the state after '(' both shift '(' (40) and 'x' (120):
    // of equal keys the later is packed first, at minus its lowest token;
    // state 0 fits in right after it.
    const std::vector<int> bases = actionBases(reading);
    EXPECT_EQ(bases[0], -39);
    EXPECT_EQ(std::count(bases.begin(), bases.end(), -40), 1);
}

TEST(ParserTables, WideStatesSplitIntoContinuationStates)
{
    GrammarReading reading("%%\ns : 'a' | '\xe4\xb8\xad' ;\n", options({unicode, noDefaultStates}), true);
    const auto& rows = reading.tables().rows();
    const std::size_t ordinary = reading.states().size();
    ASSERT_EQ(rows.size(), ordinary + 1);
    // State 0 keeps 'a'; the continuation holds the far character and
    // carries the state's own defaults.
    ASSERT_EQ(rows[0].actions.size(), 1u);
    EXPECT_EQ(rows[0].actions[0].key, 'a');
    EXPECT_EQ(rows[0].defaultActionState, static_cast<int>(ordinary));
    ASSERT_EQ(rows[ordinary].actions.size(), 1u);
    EXPECT_EQ(rows[ordinary].actions[0].key, 0x4E2D);
    const auto stateActions = reading.table("beginStateActionTable");
    EXPECT_THAT(stateActions[1], ::testing::EndsWith("default, " + std::to_string(ordinary) + ")"));
    EXPECT_THAT(stateActions.back(), ::testing::EndsWith("error, 0)"));
    // The report counts the continuation state.
    EXPECT_NE(reading.report().find(std::to_string(rows.size()) + " state(s)"), std::string::npos);
}

TEST(ParserTables, CompactRunsEndInTheDefaultAndShareTails)
{
    GrammarReading reading(kThreeAlike, options({compact, noDefaultStates, noDefaultReductions}), true);
    const auto runs = reading.table("beginCompactTokenActionTable");
    int terminators = 0;
    for (const std::string& row : runs)
        terminators += row.find("(" , 0) != std::string::npos && row.find(", all, ") != std::string::npos;
    // States 1, 2 and 3 have the same two shifts: one run serves all three.
    const auto starts = reading.table("beginCompactStateActionTable");
    EXPECT_EQ(starts[2].substr(starts[2].find(',')), starts[3].substr(starts[3].find(',')));
    EXPECT_EQ(starts[3].substr(starts[3].find(',')), starts[4].substr(starts[4].find(',')));
    EXPECT_LT(terminators, static_cast<int>(reading.tables().rows().size()));
    EXPECT_THAT(runs.back(), ::testing::HasSubstr(", all, "));
}

TEST(ParserTables, WithoutDestructorsTheTablesAreAbsent)
{
    GrammarReading reading("%%\ns : 'x' ;\n", {}, true);
    const auto calls = reading.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "noStateDestructorTable()"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "noTokenDestructorTable()"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "noTokenDestructorBaseTable()"), calls.end());
}

TEST(ParserTables, TokenDestructorsFarApartMakeSeveralRuns)
{
    GrammarReading reading("%union { char *s; }\n%token <s> A 300 B 400\n%type <s> s\n%%\ns : A B { } ;\n"
                           "~ A : { } ;\n~ B : { } ;\n",
                           options({[](ToolOptions& o) { o.tokenDestructorRangeThreshold = 5; }}), true);
    EXPECT_THAT(reading.table("beginTokenDestructorBaseTable"),
                ElementsAre("beginTokenDestructorBaseTable()", "tokenDestructorBaseRow(0, -300)",
                            "tokenDestructorBaseRow(1, -399)"));
    const auto runs = reading.table("beginTokenDestructorTable");
    EXPECT_THAT(runs, ElementsAre("beginTokenDestructorTable()", "tokenDestructorRow(0, 0, 1)",
                                  "tokenDestructorRow(1, 1, 2)"));
}

TEST(ParserTables, DebugAndReductionTables)
{
    GrammarReading reading("%token NUM\n%%\ne : e '+' NUM { } | NUM ;\n", {}, true);
    EXPECT_THAT(reading.table("beginSymbolTable"),
                ElementsAre("beginSymbolTable()", "symbolRow(0, \"$end\", 0)", "symbolRow(1, \"'+'\", 43)",
                            "symbolRow(2, \"error\", 256)", "symbolRow(3, \"NUM\", 257)"));
    EXPECT_THAT(reading.table("beginRuleTable"),
                ElementsAre("beginRuleTable()", "ruleRow(0, \"$accept: e\")", "ruleRow(1, \"e: e '+' NUM\")",
                            "ruleRow(2, \"e: NUM\")"));
    EXPECT_THAT(reading.table("beginReductionTable"),
                ElementsAre("beginReductionTable()", "reductionRow(0, 0, 1, -1)", "reductionRow(1, 1, 3, 0)",
                            "reductionRow(2, 1, 1, -1)"));
}
