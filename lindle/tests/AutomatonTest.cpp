#include <gtest/gtest.h>

#include "ScannerBuilding.h"

namespace lindle::testing {
namespace {

ToolOptions withReject()
{
    ToolOptions options;
    options.fullReject = true;
    return options;
}

TEST(Accepting, EarlierRuleWinsAndTheLaterIsNeverMatched)
{
    const BuiltScanner built = buildScanner("%%\nif\t;\nif\t;\n[a-z]+\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(3) : warning L4009: expression is never matched\n");
    const DfaMatcher matcher = built.matcher();
    EXPECT_EQ(matcher.match(bytesOf("if"), 0, false), (DfaMatch{1, 2, 2}));
    EXPECT_EQ(matcher.match(bytesOf("iffy"), 0, false), (DfaMatch{3, 4, 4}));
    EXPECT_EQ(matcher.match(bytesOf("i!"), 0, false), (DfaMatch{3, 1, 1}));
    EXPECT_EQ(matcher.match(bytesOf("!"), 0, false), DfaMatch{});
}

TEST(Accepting, FullRejectKeepsEveryRuleInOrder)
{
    const BuiltScanner built = buildScanner("%%\nif\t;\nif\t;\n[a-z]+\t;\n", withReject());
    EXPECT_EQ(built.diagnostics, "");
    const std::vector<DfaMatch> found = built.matcher().candidates(bytesOf("if"), 0, false);
    EXPECT_EQ(found, (std::vector<DfaMatch>{{1, 2, 2}, {2, 2, 2}, {3, 2, 2}, {3, 1, 1}}));
}

TEST(Accepting, EmptyMatchesAreNeverTaken)
{
    const BuiltScanner built = buildScanner("%%\na{0}\t;\nb*\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : warning L4009: expression is never matched\n");
    EXPECT_EQ(built.matcher().match(bytesOf("c"), 0, false), DfaMatch{});
    EXPECT_EQ(built.matcher().match(bytesOf("bbc"), 0, false), (DfaMatch{2, 2, 2}));
}

TEST(TrailingContext, BackupWarningsAndTokenLengths)
{
    const BuiltScanner built = buildScanner("%%\na*/b\t;\n/c\t;\nx/y\t;\nz$\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : warning L4007: expression can backup completely\n"
                                 "scan.l(3) : warning L4008: expression will backup completely\n");
    const DfaMatcher matcher = built.matcher();
    EXPECT_EQ(matcher.match(bytesOf("aab"), 0, false), (DfaMatch{1, 3, 2}));
    EXPECT_EQ(matcher.match(bytesOf("b"), 0, false), (DfaMatch{1, 1, 0}));
    EXPECT_EQ(matcher.match(bytesOf("c"), 0, false), (DfaMatch{2, 1, 0}));
    EXPECT_EQ(matcher.match(bytesOf("xy"), 0, false), (DfaMatch{3, 2, 1}));
    EXPECT_EQ(matcher.match(bytesOf("z\n"), 0, false), (DfaMatch{4, 2, 1}));
    EXPECT_EQ(matcher.match(bytesOf("z"), 0, false), DfaMatch{});
}

TEST(StartConditions, InclusiveExclusiveAndEveryCondition)
{
    const BuiltScanner built = buildScanner("%s IN\n%x EX\n%%\na\t;\n<IN>b\t;\n<EX>c\t;\n<*>d\t;\n<IN,EX>e\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    const DfaMatcher matcher = built.matcher();
    const auto rule = [&](const char* text, int condition) { return matcher.match(bytesOf(text), condition, false).rule; };
    EXPECT_EQ(rule("a", 0), 1);
    EXPECT_EQ(rule("b", 0), 0);
    EXPECT_EQ(rule("d", 0), 4);
    EXPECT_EQ(rule("a", 1), 1);
    EXPECT_EQ(rule("b", 1), 2);
    EXPECT_EQ(rule("e", 1), 5);
    EXPECT_EQ(rule("a", 2), 0);
    EXPECT_EQ(rule("c", 2), 3);
    EXPECT_EQ(rule("d", 2), 4);
    EXPECT_EQ(rule("e", 2), 5);
}

TEST(StartConditions, ScopesAndAnchorsReachTheBeginningOfLineEntry)
{
    const BuiltScanner built = buildScanner("%x EX\n%%\n^a\t;\nb\t;\n<EX>{\n^c\t;\nd\t;\n}\n");
    EXPECT_EQ(built.diagnostics, "");
    const DfaMatcher matcher = built.matcher();
    EXPECT_EQ(matcher.match(bytesOf("a"), 0, true).rule, 1);
    EXPECT_EQ(matcher.match(bytesOf("a"), 0, false).rule, 0);
    EXPECT_EQ(matcher.match(bytesOf("b"), 0, true).rule, 2);
    EXPECT_EQ(matcher.match(bytesOf("c"), 1, true).rule, 3);
    EXPECT_EQ(matcher.match(bytesOf("c"), 1, false).rule, 0);
    EXPECT_EQ(matcher.match(bytesOf("d"), 1, false).rule, 4);
    EXPECT_EQ(matcher.match(bytesOf("b"), 1, true).rule, 0);
}

TEST(StartConditions, ExclusiveConditionWithoutRulesHasAnEmptyEntryAndStillARow)
{
    const BuiltScanner built = buildScanner("%x EMPTY\n%%\nab\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    ASSERT_EQ(built.dfa.startEntries.size(), 4u);
    EXPECT_EQ(built.dfa.startEntries[2], -1);
    EXPECT_EQ(built.dfa.startEntries[3], -1);
    // INITIAL's two entries share a state: numbers 1 to 4 go to the
    // entries, then "a" and "ab" take 5 and 6.
    EXPECT_EQ(built.dfa.startEntries[0], built.dfa.startEntries[1]);
    EXPECT_EQ(built.dfa.states[static_cast<std::size_t>(built.dfa.startEntries[0])].number, 1);
    EXPECT_EQ(built.dfa.rowCount, 7);
    EXPECT_EQ(built.dfa.states.size(), 3u);
}

TEST(EndOfFile, RulesAcceptInTheStartStateOfTheirConditions)
{
    const BuiltScanner built = buildScanner("%x EX\n%%\n<<EOF>>\t;\n<EX><<EOF>>\t;\na\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    const DfaMatcher matcher = built.matcher();
    EXPECT_EQ(matcher.endOfFileRule(0, false), 1);
    EXPECT_EQ(matcher.endOfFileRule(0, true), 1);
    EXPECT_EQ(matcher.endOfFileRule(1, false), 2);
    EXPECT_EQ(built.rules[0].endOfFile, true);
}

TEST(Minimisation, MergesWhatNoInputTellsApartUnlessToldNotTo)
{
    const std::string source = "%%\nac|bc\t;\n(x|y)*z\t;\n";
    const BuiltScanner minimised = buildScanner(source);
    EXPECT_LT(minimised.dfa.states.size(), minimised.unminimised.states.size());
    ToolOptions noMinimising;
    noMinimising.minimiseDfa = false;
    const BuiltScanner kept = buildScanner(source, noMinimising);
    EXPECT_EQ(kept.dfa.states.size(), kept.unminimised.states.size());
    for (const char* text : {"ac", "bc", "z", "xyxz"}) {
        EXPECT_EQ(minimised.matcher().match(bytesOf(text), 0, false),
                  kept.matcher().match(bytesOf(text), 0, false)) << text;
    }
}

TEST(Minimisation, KeepsEachGroupsEarliestStateAndRenumbers)
{
    const BuiltScanner built = buildScanner("%%\nab|cb\t;\n");
    // a and c lead to equal states; the one made first stays.
    ASSERT_EQ(built.dfa.states.size(), 3u);
    const DfaState& start = built.dfa.states[static_cast<std::size_t>(built.dfa.startEntries[0])];
    ASSERT_EQ(start.transitions.size(), 2u);
    EXPECT_EQ(start.transitions[0].target, start.transitions[1].target);
    std::vector<int> numbers;
    for (const DfaState& state : built.dfa.states)
        numbers.push_back(state.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(built.dfa.rowCount, 5);
}

} // namespace
} // namespace lindle::testing
