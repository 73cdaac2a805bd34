#include <gtest/gtest.h>

#include <random>

#include "ScannerBuilding.h"
#include "lindle/tables/ScannerTables.h"

// The tables, read the way the runtime reads them, must scan exactly as
// the automaton they came from, under every reduction and both forms.
namespace lindle::testing {
namespace {

// The runtime's lookup over the written tables.
class TableScanner {
public:
    explicit TableScanner(const ScannerTables& tables) : tables_(tables) {}

    int next(int state, std::uint32_t c) const
    {
        for (int hops = 0; hops < 100000; ++hops) {
            const auto& [fallback, base, match] = tables_.state.at(static_cast<std::size_t>(state));
            static_cast<void>(match);
            if (tables_.compact) {
                for (auto i = static_cast<std::size_t>(base); tables_.compactTransition.at(i)[2] != -1; ++i) {
                    const auto& [first, last, target] = tables_.compactTransition[i];
                    if (c >= static_cast<std::uint32_t>(first) && c <= static_cast<std::uint32_t>(last))
                        return target;
                }
            } else if (base != 0) {
                const std::int64_t i = std::int64_t{base} + c;
                if (i >= 0 && i < static_cast<std::int64_t>(tables_.transition.size()) &&
                    tables_.transition[static_cast<std::size_t>(i)][1] == state)
                    return tables_.transition[static_cast<std::size_t>(i)][0];
            }
            if (fallback > 0)
                state = fallback;
            else
                return fallback < 0 ? -fallback : 0;
        }
        ADD_FAILURE() << "default states run in a circle";
        return 0;
    }

    // The accepted rules and marks of a state's match field.
    std::pair<std::vector<int>, std::vector<int>> matchOf(int state) const
    {
        const int field = tables_.state.at(static_cast<std::size_t>(state))[2];
        std::pair<std::vector<int>, std::vector<int>> result;
        if (field > 0)
            result.first.push_back(field);
        if (field < 0)
            for (auto i = static_cast<std::size_t>(-field); tables_.match.at(i) != 0; ++i)
                (tables_.match[i] > 0 ? result.first : result.second).push_back(std::abs(tables_.match[i]));
        return result;
    }

    // Every match from the start of input, as the test matcher lists them.
    std::vector<DfaMatch> candidates(const std::vector<std::uint32_t>& input, int condition, bool atLineStart,
                                     const std::vector<ScannerRule>& rules) const
    {
        std::vector<DfaMatch> found;
        int state = 2 * condition + (atLineStart ? 2 : 1);
        if (tables_.state.at(static_cast<std::size_t>(state)) == std::array<int, 3>{0, 0, 0})
            return found;
        std::vector<std::size_t> lastMark(rules.size() + 1, 0);
        for (int rule : matchOf(state).second)
            lastMark[static_cast<std::size_t>(rule)] = 0;
        for (std::size_t position = 0; position < input.size();) {
            state = next(state, input[position]);
            if (state == 0)
                break;
            ++position;
            const auto [accepts, marks] = matchOf(state);
            for (int rule : marks)
                lastMark[static_cast<std::size_t>(rule)] = position;
            for (int rule : accepts) {
                const bool context = tables_.backup.at(static_cast<std::size_t>(rule));
                found.push_back({rule, position, context ? lastMark[static_cast<std::size_t>(rule)] : position});
            }
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const DfaMatch& a, const DfaMatch& b) { return a.length > b.length; });
        return found;
    }

private:
    const ScannerTables& tables_;
};

struct Reduction {
    const char* name;
    TableOptions options;
};

std::vector<Reduction> reductions(bool unicode)
{
    std::vector<Reduction> all;
    for (bool compact : {false, true})
        for (bool transitions : {true, false})
            for (bool states : {true, false})
                for (bool errors : {true, false})
                    for (int limit : {1024, 1}) {
                        TableOptions options;
                        options.unicode = unicode;
                        options.compact = compact;
                        options.defaultTransitions = transitions;
                        options.defaultStates = states;
                        options.errorTransitions = errors;
                        options.rangeLimit = limit;
                        all.push_back({"", options});
                    }
    return all;
}

std::string describe(const TableOptions& o)
{
    return std::string(o.compact ? "-s " : "") + (o.defaultTransitions ? "" : "-R ") + (o.defaultStates ? "" : "-S ") +
           (o.errorTransitions ? "" : "-E ") + "-L:" + std::to_string(o.rangeLimit);
}

void expectTablesScanLikeTheAutomaton(const std::string& source, ToolOptions toolOptions, const std::string& alphabet,
                                      unsigned seed, int inputs)
{
    const BuiltScanner built = buildScanner(source, toolOptions);
    ASSERT_EQ(built.errors, 0) << built.diagnostics;
    const DfaMatcher matcher = built.matcher();
    const int conditions = static_cast<int>(built.dfa.startEntries.size() / 2);
    for (const Reduction& reduction : reductions(toolOptions.unicode)) {
        const ScannerTables tables = buildScannerTables(built.dfa, built.rules, reduction.options);
        ASSERT_EQ(tables.state[0], (std::array<int, 3>{0, 0, 0}));
        ASSERT_EQ(tables.match.front(), 0);
        const TableScanner scanner(tables);
        std::mt19937 random(seed);
        for (int attempt = 0; attempt < inputs; ++attempt) {
            std::vector<std::uint32_t> input;
            for (int length = static_cast<int>(random() % 12); length > 0; --length)
                input.push_back(static_cast<unsigned char>(alphabet[random() % alphabet.size()]));
            const int condition = static_cast<int>(random() % static_cast<unsigned>(conditions));
            const bool atLineStart = random() % 2 == 0;
            ASSERT_EQ(scanner.candidates(input, condition, atLineStart, built.rules),
                      matcher.candidates(input, condition, atLineStart))
                << describe(reduction.options) << "\n" << source;
        }
    }
}

std::string readScanner(const char* name)
{
    std::FILE* file = std::fopen((std::string(SCANNERS_DIR) + "/" + name).c_str(), "r");
    std::string text;
    for (int c; file != nullptr && (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    if (file != nullptr)
        std::fclose(file);
    return text;
}

TEST(Tables, RealScannersUnderEveryReduction)
{
    const std::string c = "abcdefxyz019_ \t\n+-*/=<>!&|.\"'\\#()[]{};,eiLuU";
    expectTablesScanLikeTheAutomaton(readScanner("clexer.l"), {}, c, 1, 150);
    expectTablesScanLikeTheAutomaton(readScanner("pascal.l"), {}, "abegindoxyz019 \t\n:=<>+-*/.'{}(),;", 2, 150);
    expectTablesScanLikeTheAutomaton(readScanner("wordcount.l"), {}, "ab \t\n", 3, 100);
}

TEST(Tables, ConditionsAnchorsContextAndReject)
{
    const std::string source = "%s A\n%x B\n%%\n^ab\t;\nab/c\t;\n<A>a*b$\t;\n<B>[^a]+\t;\n<*>\\n\t;\nx/y*\t;\n";
    expectTablesScanLikeTheAutomaton(source, {}, "abcxy\n", 4, 200);
    ToolOptions reject;
    reject.fullReject = true;
    expectTablesScanLikeTheAutomaton(source, reject, "abcxy\n", 5, 200);
}

TEST(Tables, UnicodeRulesOverTheWholeAxis)
{
    ToolOptions unicode;
    unicode.unicode = true;
    expectTablesScanLikeTheAutomaton("%%\n[\\x0-\\xFFFF]\t;\n[a-z]+\t;\n.\t;\n\\xFFFF\\x100\t;\n", unicode, "az\n", 6, 100);
}

TEST(Tables, OnlyRuleGivesRowsFromOneAndAMatchListStartingWithZero)
{
    const BuiltScanner built = buildScanner("%%\na\t;\n");
    const ScannerTables tables = buildScannerTables(built.dfa, built.rules, {});
    EXPECT_EQ(tables.match, std::vector<int>{0});
    EXPECT_EQ(tables.backup, (std::vector<bool>{false, false}));
    // Rows 1 and 2 start INITIAL (the second sharing the first's state),
    // row 3 accepts rule 1.
    ASSERT_EQ(tables.state.size(), 4u);
    EXPECT_EQ(tables.state[0], (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(tables.state[2], (std::array<int, 3>{1, 0, 0}));
    EXPECT_EQ(tables.state[3][2], 1);
    EXPECT_NE(tables.state[1][1], 0);
}

TEST(Tables, WithoutDefaultsEveryStoredTransitionIsExplicit)
{
    const BuiltScanner built = buildScanner("%%\n[a-z]+\t;\n[0-9]+\t;\nif\t;\n");
    TableOptions options;
    options.defaultTransitions = false;
    options.defaultStates = false;
    const ScannerTables tables = buildScannerTables(built.dfa, built.rules, options);
    for (std::size_t row = 3; row < tables.state.size(); ++row)
        EXPECT_EQ(tables.state[row][0], 0) << row;
    std::size_t stored = 0;
    for (const auto& entry : tables.transition)
        stored += entry[1] != 0 ? 1 : 0;
    std::size_t transitions = 0;
    for (const DfaState& state : built.dfa.states)
        for (const DfaTransition& t : state.transitions)
            transitions += t.last - t.first + 1;
    EXPECT_EQ(stored, transitions);
}

TEST(Tables, WithoutErrorTransitionsADefaultStateMayNotAddAny)
{
    // After "a" only b and c go on, after "x" also d.
    const BuiltScanner built = buildScanner("%%\na[bc]|x[bcd]\t;\n");
    const auto characters = [&](int number) {
        CharacterSet set;
        for (const DfaState& state : built.dfa.states)
            if (state.number == number)
                for (const DfaTransition& t : state.transitions)
                    set.add(t.first, t.last);
        return set;
    };
    // Rows whose default state has a transition they lack.
    const auto addingErrors = [&](bool errorTransitions) {
        TableOptions options;
        options.defaultTransitions = false;
        options.errorTransitions = errorTransitions;
        const ScannerTables tables = buildScannerTables(built.dfa, built.rules, options);
        int count = 0;
        for (std::size_t row = 3; row < tables.state.size(); ++row) {
            const int fallback = tables.state[row][0];
            if (fallback > 0 && !characters(fallback).difference(characters(static_cast<int>(row))).empty())
                ++count;
        }
        return count;
    };
    EXPECT_EQ(addingErrors(false), 0);
    EXPECT_EQ(addingErrors(true), 1);
}

TEST(Tables, ConditionSharingAStartStateGetsARowPointingToIt)
{
    const BuiltScanner built = buildScanner("%s A\n%%\nab\t;\n");
    const ScannerTables tables = buildScannerTables(built.dfa, built.rules, {});
    // A has no rules of its own: its entries lead where INITIAL's do.
    EXPECT_EQ(tables.state[3], (std::array<int, 3>{1, 0, 0}));
    EXPECT_EQ(tables.state[4], (std::array<int, 3>{1, 0, 0}));
}

TEST(Tables, WideStateIsCutOnlyPastEveryTransitionCharacter)
{
    ToolOptions unicode;
    unicode.unicode = true;
    TableOptions options;
    options.unicode = true;
    options.rangeLimit = 256;
    options.defaultTransitions = false;
    const BuiltScanner whole = buildScanner("%%\n[\\x0-\\xFFFF]\t;\n", unicode);
    // The only wide state holds every transition character: its span never
    // exceeds the total, so it stays one piece.
    EXPECT_EQ(buildScannerTables(whole.dfa, whole.rules, options).state.size(), static_cast<std::size_t>(whole.dfa.rowCount));
    const BuiltScanner ends = buildScanner("%%\n[\\x0-\\x10\\xFF00-\\xFFFF]\t;\n", unicode);
    const ScannerTables cut = buildScannerTables(ends.dfa, ends.rules, options);
    EXPECT_GT(cut.state.size(), static_cast<std::size_t>(ends.dfa.rowCount));
    EXPECT_LT(cut.transition.size(), 2000u);
}

TEST(Tables, StatesWithEqualAcceptListsShareOneMatchList)
{
    ToolOptions reject;
    reject.fullReject = true;
    const BuiltScanner built = buildScanner("%%\nab|cd\t;\n[a-d][b-d]\t;\n", reject);
    const ScannerTables tables = buildScannerTables(built.dfa, built.rules, {});
    EXPECT_EQ(tables.match, (std::vector<int>{0, 1, 2, 0}));
    int lists = 0;
    for (const auto& row : tables.state)
        lists += row[2] < 0 ? 1 : 0;
    EXPECT_GE(lists, 1);
}

} // namespace
} // namespace lindle::testing
