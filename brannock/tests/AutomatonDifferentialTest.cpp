#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "BrannockRun.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

// Brannock's automata against bison and byacc on every grammar of the corpus.
// The peers' counts are read from their own reports at run time, so the corpus
// carries no expected numbers except where no peer builds the same kind of
// automaton (SLR): those are derived by hand below.
//
// The relations: byacc numbers exactly the LALR states; bison adds one state,
// the one entered by shifting the end of input, in LALR and canonical LR alike.
// All three count one shift-reduce conflict per (state, token, losing rule) and
// one reduce-reduce conflict per rule beyond the first on a token, which is
// why no corpus grammar may let one token shift and reduce by two rules in the
// same state: there bison counts a reduce-reduce conflict where byacc counts a
// second shift-reduce one.

namespace {

using toolframe::testing::ProcessResult;
using toolframe::testing::ProcessSetup;
using toolframe::testing::TemporaryDirectory;

const std::string kGrammars = GRAMMARS_DIR;

struct Counts {
    int states = -1;
    int shiftReduce = 0;
    int reduceReduce = 0;
    int acceptReduce = 0;
    // Only Brannock's summary and byacc's report give these; -1 elsewhere.
    int rules = -1;
    int nonterminals = -1;
};

std::string describe(const Counts& counts)
{
    std::ostringstream text;
    text << counts.states << " states, " << counts.shiftReduce << " shift-reduce, " << counts.reduceReduce
         << " reduce-reduce, " << counts.acceptReduce << " accept-reduce";
    return text.str();
}

// One tool's run on one grammar: the counts, or why they could not be had.
// A report may also disagree with itself (its summary against its messages);
// that goes into inconsistencies, the counts are still given.
struct Report {
    std::optional<Counts> counts;
    std::string problem;
    std::vector<std::string> inconsistencies;
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool allDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The decimal number that ends right before the first occurrence of marker in
// line, as in "238 shift/reduce conflicts" with the marker " shift/reduce".
std::optional<int> numberBefore(std::string_view line, std::string_view marker)
{
    const std::size_t at = line.find(marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::size_t begin = at;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(line[begin - 1])))
        --begin;
    if (begin == at || at - begin > 9)
        return std::nullopt;
    return std::stoi(std::string(line.substr(begin, at - begin)));
}

int countLinesContaining(const std::string& text, std::string_view needle)
{
    int count = 0;
    for (const std::string& line : linesOf(text))
        if (line.find(needle) != std::string::npos)
            ++count;
    return count;
}

// The conflict totals that a peer prints on standard error, whether in bison's
// current form ("warning: 2 shift/reduce conflicts [-Wconflicts-sr]"), its older
// one ("conflicts: 2 shift/reduce, 1 reduce/reduce") or byacc's ("byacc: 2
// shift/reduce conflicts, 1 reduce/reduce conflict."). None means no conflict.
std::pair<int, int> peerMessageTotals(const std::string& err)
{
    std::pair<int, int> totals{0, 0};
    for (const std::string& line : linesOf(err)) {
        if (const auto number = numberBefore(line, " shift/reduce"))
            totals.first += *number;
        if (const auto number = numberBefore(line, " reduce/reduce"))
            totals.second += *number;
    }
    return totals;
}

std::optional<std::string> findProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream directories(path ? path : "/usr/bin:/bin");
    for (std::string directory; std::getline(directories, directory, ':');) {
        if (directory.empty())
            directory = ".";
        const std::string candidate = directory + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate))
            return candidate;
    }
    return std::nullopt;
}

const std::optional<std::string>& bisonProgram()
{
    static const std::optional<std::string> program = findProgram("bison");
    return program;
}

const std::optional<std::string>& byaccProgram()
{
    static const std::optional<std::string> program = findProgram("byacc");
    return program;
}

// The peers translate their messages; the parsing below reads the English ones.
ProcessSetup peerSetup(const TemporaryDirectory& directory)
{
    ProcessSetup setup;
    setup.workingDirectory = directory.path();
    setup.environment = {{"LC_ALL", "C"}};
    setup.unsetEnvironment = {"LANGUAGE", "POSIXLY_CORRECT"};
    return setup;
}

std::string grammarText(const std::string& name) { return toolframe::testing::readFile(kGrammars + "/" + name); }

std::string failure(const std::string& tool, const ProcessResult& result)
{
    return tool + " ended with status " + std::to_string(result.exitStatus) + " (signal " +
           std::to_string(result.signal) + ")\nstdout:\n" + result.out + "stderr:\n" + result.err;
}

std::string listing(const TemporaryDirectory& directory)
{
    std::string names;
    for (const std::string& name : directory.entries())
        names += " " + name;
    return names;
}

// bison's .output: a heading line "State N" per state, and near the top one line
// "State N conflicts: A shift/reduce, B reduce/reduce" per state with conflicts.
Report runBison(const std::string& grammar, bool canonical)
{
    Report report;
    TemporaryDirectory directory;
    directory.write("g.y", grammarText(grammar));
    std::vector<std::string> arguments{"-y", "-v", "-o", "parser.c"};
    if (canonical)
        arguments.push_back("-Dlr.type=canonical-lr");
    arguments.push_back("g.y");
    const ProcessResult result = toolframe::testing::runProcess(*bisonProgram(), arguments, peerSetup(directory));
    if (result.exitStatus != 0) {
        report.problem = failure("bison", result);
        return report;
    }
    if (!directory.exists("parser.output")) {
        report.problem = "bison wrote no parser.output; the directory holds" + listing(directory);
        return report;
    }
    Counts counts;
    counts.states = 0;
    for (const std::string& line : linesOf(directory.read("parser.output"))) {
        if (!startsWith(line, "State "))
            continue;
        const std::string_view rest = std::string_view(line).substr(6);
        if (allDigits(rest)) {
            ++counts.states;
        } else if (rest.find(" conflicts: ") != std::string_view::npos) {
            counts.shiftReduce += numberBefore(rest, " shift/reduce").value_or(0);
            counts.reduceReduce += numberBefore(rest, " reduce/reduce").value_or(0);
        }
    }
    if (counts.states == 0) {
        report.problem = "no \"State N\" heading in bison's parser.output";
        return report;
    }
    const auto [shiftReduce, reduceReduce] = peerMessageTotals(result.err);
    if (shiftReduce != counts.shiftReduce || reduceReduce != counts.reduceReduce)
        report.inconsistencies.push_back("bison's messages give " + std::to_string(shiftReduce) + " shift/reduce and " +
                                         std::to_string(reduceReduce) + " reduce/reduce, its report " +
                                         std::to_string(counts.shiftReduce) + " and " +
                                         std::to_string(counts.reduceReduce) + ":\n" + result.err);
    report.counts = counts;
    return report;
}

// byacc's y.output ends in "T terminals, N nonterminals" and "R grammar rules, S
// states", after one line "State N contains ..." per state with conflicts.
Report runByacc(const std::string& grammar)
{
    Report report;
    TemporaryDirectory directory;
    directory.write("g.y", grammarText(grammar));
    const ProcessResult result = toolframe::testing::runProcess(*byaccProgram(), {"-v", "g.y"}, peerSetup(directory));
    if (result.exitStatus != 0) {
        report.problem = failure("byacc", result);
        return report;
    }
    if (!directory.exists("y.output")) {
        report.problem = "byacc wrote no y.output; the directory holds" + listing(directory);
        return report;
    }
    Counts counts;
    for (const std::string& line : linesOf(directory.read("y.output"))) {
        if (startsWith(line, "State ") && line.find(" contains ") != std::string::npos) {
            counts.shiftReduce += numberBefore(line, " shift/reduce").value_or(0);
            counts.reduceReduce += numberBefore(line, " reduce/reduce").value_or(0);
        } else if (line.find(" grammar rules, ") != std::string::npos) {
            counts.rules = numberBefore(line, " grammar rules").value_or(-1);
            counts.states = numberBefore(line, " states").value_or(-1);
        } else if (line.find(" terminals, ") != std::string::npos) {
            counts.nonterminals = numberBefore(line, " nonterminals").value_or(-1);
        }
    }
    if (counts.states < 0) {
        report.problem = "no \"R grammar rules, S states\" line in byacc's y.output";
        return report;
    }
    const auto [shiftReduce, reduceReduce] = peerMessageTotals(result.err);
    if (shiftReduce != counts.shiftReduce || reduceReduce != counts.reduceReduce)
        report.inconsistencies.push_back("byacc's messages give " + std::to_string(shiftReduce) + " shift/reduce and " +
                                         std::to_string(reduceReduce) + " reduce/reduce, its report " +
                                         std::to_string(counts.shiftReduce) + " and " +
                                         std::to_string(counts.reduceReduce) + ":\n" + result.err);
    report.counts = counts;
    return report;
}

// Brannock's verbose report ends in a "Summary" section: one line "State N
// contains C shift-reduce conflict(s)" (or accept-reduce, reduce-reduce) per
// state and kind, then "T token(s), N nonterminal(s)" and "R grammar rule(s), S
// state(s)". The same conflicts are told as warnings Y4007 to Y4009 on standard
// output and as "N: shift-reduce conflict (..." lines in the state blocks; the
// three must agree.
Report runBrannock(const std::string& grammar, const std::string& kindSwitch)
{
    Report report;
    TemporaryDirectory directory;
    directory.write("g.y", grammarText(grammar));
    std::vector<std::string> arguments{"g.y", "-$", "-o", "g.c", "-v", "g.v"};
    if (!kindSwitch.empty())
        arguments.push_back(kindSwitch);
    const ProcessResult result = brannock::testing::runBrannock(directory, arguments);
    const std::string run = "brannock " + (kindSwitch.empty() ? std::string("(no kind switch)") : kindSwitch);
    if (result.exitStatus != 0) {
        report.problem = failure(run, result);
        return report;
    }
    if (!directory.exists("g.v")) {
        report.problem = run + " wrote no g.v; the directory holds" + listing(directory);
        return report;
    }
    const std::string verbose = directory.read("g.v");
    const std::vector<std::string> lines = linesOf(verbose);
    const auto title = std::find(lines.begin(), lines.end(), "# Summary");
    if (title == lines.end()) {
        report.problem = run + " wrote no Summary section into its verbose report (" + std::to_string(lines.size()) +
                         " lines); the automaton is not built yet, or the summary is missing";
        return report;
    }
    Counts counts;
    bool sawTokens = false;
    for (auto line = title + 1; line != lines.end(); ++line) {
        if (startsWith(*line, "State ") && line->find(" contains ") != std::string::npos) {
            const auto shiftReduce = numberBefore(*line, " shift-reduce conflict(s)");
            const auto reduceReduce = numberBefore(*line, " reduce-reduce conflict(s)");
            const auto acceptReduce = numberBefore(*line, " accept-reduce conflict(s)");
            if (!shiftReduce && !reduceReduce && !acceptReduce)
                report.inconsistencies.push_back(run + ": unreadable summary line \"" + *line + "\"");
            counts.shiftReduce += shiftReduce.value_or(0);
            counts.reduceReduce += reduceReduce.value_or(0);
            counts.acceptReduce += acceptReduce.value_or(0);
        } else if (line->find(" token(s), ") != std::string::npos) {
            sawTokens = true;
            counts.nonterminals = numberBefore(*line, " nonterminal(s)").value_or(-1);
        } else if (line->find(" grammar rule(s), ") != std::string::npos) {
            counts.rules = numberBefore(*line, " grammar rule(s)").value_or(-1);
            counts.states = numberBefore(*line, " state(s)").value_or(-1);
        }
    }
    if (counts.states < 0 || !sawTokens) {
        report.problem = run + ": the Summary section lacks the \"%d token(s), %d nonterminal(s)\" or \"%d grammar "
                               "rule(s), %d state(s)\" line:\n" +
                         std::string(verbose.substr(std::min(verbose.size(), verbose.rfind("# Summary"))));
        return report;
    }
    const struct {
        const char* kind;
        const char* warning;
        const char* stateLine;
        int summary;
    } kinds[] = {
        {"shift-reduce", " warning Y4007: ", ": shift-reduce conflict (shift ", counts.shiftReduce},
        {"reduce-reduce", " warning Y4008: ", ": reduce-reduce conflict (reduce ", counts.reduceReduce},
        {"accept-reduce", " warning Y4009: ", ": accept-reduce conflict (accept, reduce ", counts.acceptReduce},
    };
    for (const auto& kind : kinds) {
        const int warnings = countLinesContaining(result.out, kind.warning);
        const int stateLines = countLinesContaining(verbose, kind.stateLine);
        if (warnings != kind.summary || stateLines != kind.summary)
            report.inconsistencies.push_back(run + ": " + kind.kind + " conflicts: " + std::to_string(kind.summary) +
                                             " in the summary, " + std::to_string(warnings) + " warnings, " +
                                             std::to_string(stateLines) + " lines in the state blocks");
    }
    report.counts = counts;
    return report;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += item + "\n";
    return text;
}

std::vector<std::string> corpus()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kGrammars, error))
        if (entry.is_regular_file() && entry.path().extension() == ".y")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param.substr(0, info.param.rfind('.'));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

// Runs brannock and stops the test with its problem when it gave no counts.
#define BRANNOCK_COUNTS(variable, grammar, kindSwitch)                                                                 \
    const Report variable##Report = runBrannock(grammar, kindSwitch);                                                  \
    ASSERT_TRUE(variable##Report.counts.has_value()) << (grammar) << ": " << variable##Report.problem;                \
    EXPECT_EQ(joined(variable##Report.inconsistencies), "") << (grammar);                                              \
    const Counts variable = *variable##Report.counts

#define PEER_COUNTS(variable, grammar, run)                                                                            \
    const Report variable##Report = run;                                                                               \
    ASSERT_TRUE(variable##Report.counts.has_value()) << (grammar) << ": " << variable##Report.problem;                \
    EXPECT_EQ(joined(variable##Report.inconsistencies), "") << (grammar);                                              \
    const Counts variable = *variable##Report.counts

class CorpusGrammar : public ::testing::TestWithParam<std::string> {};

// Guards the corpus and the parsing of the peers' reports rather than Brannock:
// where the peers disagree, a grammar cannot say what Brannock should print.
TEST_P(CorpusGrammar, PeersAgreeWithEachOther)
{
    if (!bisonProgram() || !byaccProgram())
        GTEST_SKIP() << "needs both bison and byacc installed (tools/install-deps.sh)";
    const std::string& grammar = GetParam();
    PEER_COUNTS(bison, grammar, runBison(grammar, false));
    PEER_COUNTS(byacc, grammar, runByacc(grammar));
    EXPECT_EQ(bison.states, byacc.states + 1) << grammar << ": bison " << describe(bison) << "; byacc "
                                              << describe(byacc);
    EXPECT_EQ(bison.shiftReduce, byacc.shiftReduce) << grammar;
    EXPECT_EQ(bison.reduceReduce, byacc.reduceReduce) << grammar;
    PEER_COUNTS(canonical, grammar, runBison(grammar, true));
    EXPECT_GE(canonical.states, bison.states) << grammar << ": canonical LR merges no states";
}

TEST_P(CorpusGrammar, LalrMatchesBisonAndByacc)
{
    if (!bisonProgram() && !byaccProgram())
        GTEST_SKIP() << "neither bison nor byacc is installed (tools/install-deps.sh)";
    const std::string& grammar = GetParam();
    BRANNOCK_COUNTS(ours, grammar, "-pla");
    BRANNOCK_COUNTS(byDefault, grammar, "");
    EXPECT_EQ(describe(byDefault), describe(ours)) << grammar << ": LALR is the default kind";
    EXPECT_EQ(ours.acceptReduce, 0) << grammar << ": the peers have no accept-reduce count to compare with";
    if (byaccProgram()) {
        PEER_COUNTS(byacc, grammar, runByacc(grammar));
        EXPECT_EQ(ours.states, byacc.states) << grammar << " -pla: ours " << describe(ours) << "; byacc "
                                             << describe(byacc);
        EXPECT_EQ(ours.shiftReduce, byacc.shiftReduce) << grammar << " -pla: shift-reduce, ours against byacc";
        EXPECT_EQ(ours.reduceReduce, byacc.reduceReduce) << grammar << " -pla: reduce-reduce, ours against byacc";
    }
    if (bisonProgram()) {
        PEER_COUNTS(bison, grammar, runBison(grammar, false));
        EXPECT_EQ(ours.states, bison.states - 1) << grammar << " -pla: ours " << describe(ours) << "; bison "
                                                 << describe(bison) << " (one more: the state after $end)";
        EXPECT_EQ(ours.shiftReduce, bison.shiftReduce) << grammar << " -pla: shift-reduce, ours against bison";
        EXPECT_EQ(ours.reduceReduce, bison.reduceReduce) << grammar << " -pla: reduce-reduce, ours against bison";
    }
    if (!bisonProgram() || !byaccProgram())
        std::cout << "note: " << (bisonProgram() ? "byacc" : "bison") << " is not installed; compared with one peer\n";
}

TEST_P(CorpusGrammar, CanonicalMatchesCanonicalBison)
{
    if (!bisonProgram())
        GTEST_SKIP() << "bison is not installed (tools/install-deps.sh)";
    const std::string& grammar = GetParam();
    BRANNOCK_COUNTS(ours, grammar, "-pc");
    PEER_COUNTS(bison, grammar, runBison(grammar, true));
    EXPECT_EQ(ours.states, bison.states - 1) << grammar << " -pc: ours " << describe(ours)
                                             << "; bison canonical-lr " << describe(bison);
    EXPECT_EQ(ours.shiftReduce, bison.shiftReduce) << grammar << " -pc: shift-reduce, ours against bison";
    EXPECT_EQ(ours.reduceReduce, bison.reduceReduce) << grammar << " -pc: reduce-reduce, ours against bison";
    EXPECT_EQ(ours.acceptReduce, 0) << grammar << " -pc";
}

// SLR and LALR are built on the same LR(0) item sets; only the lookaheads of
// the reductions differ, so the state counts must be equal. (The conflict
// counts need not be ordered: a %nonassoc entry emptied by an extra SLR
// reduction can swallow a conflict that LALR reports.)
TEST_P(CorpusGrammar, SlrHasTheStatesOfLalr)
{
    const std::string& grammar = GetParam();
    BRANNOCK_COUNTS(slr, grammar, "-ps");
    BRANNOCK_COUNTS(lalr, grammar, "-pla");
    EXPECT_EQ(slr.states, lalr.states) << grammar << ": -ps " << describe(slr) << "; -pla " << describe(lalr);
    EXPECT_EQ(slr.rules, lalr.rules) << grammar;
}

// The rule count includes the start rule and the nonterminal count $accept and
// the mid-rule nonterminals, as byacc counts them.
TEST_P(CorpusGrammar, SummaryCountsRulesAndNonterminalsLikeByacc)
{
    if (!byaccProgram())
        GTEST_SKIP() << "byacc is not installed (tools/install-deps.sh)";
    const std::string& grammar = GetParam();
    BRANNOCK_COUNTS(ours, grammar, "-pla");
    PEER_COUNTS(byacc, grammar, runByacc(grammar));
    EXPECT_EQ(ours.rules, byacc.rules) << grammar << ": grammar rules";
    EXPECT_EQ(ours.nonterminals, byacc.nonterminals) << grammar << ": nonterminals";
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusGrammar, ::testing::ValuesIn(corpus()), testName);

TEST(AutomatonCorpus, HoldsAtLeastTwentyGrammars)
{
    const std::vector<std::string> names = corpus();
    EXPECT_GE(names.size(), 20u) << joined(names);
}

// S : L '=' R | R ; L : '*' R | ID ; R : L ; after a leading L the SLR
// reduction R : L looks at FOLLOW(R), which holds '=', and so collides with the
// shift of '='; its LALR lookahead is the end of input alone.
TEST(AutomatonKinds, LalrButNotSlr)
{
    BRANNOCK_COUNTS(slr, "lalr_not_slr.y", "-ps");
    BRANNOCK_COUNTS(lalr, "lalr_not_slr.y", "-pla");
    EXPECT_EQ(slr.shiftReduce, 1) << describe(slr);
    EXPECT_EQ(slr.reduceReduce, 0) << describe(slr);
    EXPECT_EQ(lalr.shiftReduce + lalr.reduceReduce + lalr.acceptReduce, 0) << describe(lalr);
    BRANNOCK_COUNTS(canonical, "lalr_not_slr.y", "-pc");
    EXPECT_EQ(canonical.shiftReduce + canonical.reduceReduce + canonical.acceptReduce, 0) << describe(canonical);
}

// The states after "a c" and "b c" share the core { A : c . , B : c . } with the
// lookaheads d and e swapped: LALR merges them into one state with two
// reduce-reduce conflicts, canonical LR keeps them apart.
TEST(AutomatonKinds, Lr1ButNotLalr)
{
    BRANNOCK_COUNTS(lalr, "lr1_not_lalr.y", "-pla");
    BRANNOCK_COUNTS(canonical, "lr1_not_lalr.y", "-pc");
    EXPECT_EQ(lalr.reduceReduce, 2) << describe(lalr);
    EXPECT_EQ(lalr.shiftReduce, 0) << describe(lalr);
    EXPECT_EQ(canonical.shiftReduce + canonical.reduceReduce + canonical.acceptReduce, 0) << describe(canonical);
    EXPECT_GT(canonical.states, lalr.states) << "-pc " << describe(canonical) << "; -pla " << describe(lalr);
    EXPECT_EQ(canonical.states, lalr.states + 1) << "only the merged state splits";
}

// SLR conflict counts worked out by hand from FOLLOW sets, since no peer builds
// SLR tables.
TEST(AutomatonKinds, SlrConflictsDerivedByHand)
{
    const struct {
        const char* grammar;
        int states;
        int shiftReduce;
        int reduceReduce;
    } cases[] = {
        // Three states: the start, after 'a', after s.
        {"tiny.y", 3, 0, 0},
        // FOLLOW(R) = { '=', $end } reaches the state of S : L . '=' R and R : L .
        {"lalr_not_slr.y", 10, 1, 0},
        // FOLLOW(A) = FOLLOW(B) = { d, e } in the one state of A : c . and B : c .
        {"lr1_not_lalr.y", 13, 0, 2},
        // else follows a statement everywhere, so the inner if may reduce on it.
        {"dangling_else.y", 10, 1, 0},
        // variable/type on ';' (1); number/text/flag on ';' and ']' (2 + 2); the
        // two empty prefixes on NAME (1).
        {"reduce_reduce.y", 28, 0, 6},
        // No state with a completed item shifts a token of FOLLOW(value) = { $end,
        // '}', ',', ']' } or FOLLOW(members) = { '}', ',' }.
        {"json.y", 27, 0, 0},
    };
    for (const auto& expected : cases) {
        BRANNOCK_COUNTS(slr, expected.grammar, "-ps");
        EXPECT_EQ(slr.states, expected.states) << expected.grammar << ": " << describe(slr);
        EXPECT_EQ(slr.shiftReduce, expected.shiftReduce) << expected.grammar << ": " << describe(slr);
        EXPECT_EQ(slr.reduceReduce, expected.reduceReduce) << expected.grammar << ": " << describe(slr);
        EXPECT_EQ(slr.acceptReduce, 0) << expected.grammar << ": " << describe(slr);
    }
}

} // namespace
