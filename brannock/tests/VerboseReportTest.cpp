#include <gtest/gtest.h>

#include "BrannockRun.h"

using toolframe::testing::TemporaryDirectory;

// The verbose report, byte for byte, for small grammars.
namespace {

const std::string kTitleRule(78, '#');
const std::string kHeaderRule(77, '#');

std::string title(const std::string& name, bool emptyLineAfter = true)
{
    return kTitleRule + "\n# " + name + "\n" + kTitleRule + "\n" + (emptyLineAfter ? "\n" : "");
}

std::string header(const std::string& report, const std::string& grammar)
{
    return kHeaderRule + "\n# " + report + "\n# YACC verbose file generated from " + grammar +
           ".\n# \n# Date: 01/01/70\n# Time: 00:00:00\n# \n# Brannock Version: 2.07\n" + kHeaderRule + "\n\n";
}

std::string reportFor(const std::string& grammar, std::vector<std::string> switches = {}, std::string name = "g.y")
{
    TemporaryDirectory directory;
    directory.write(name, grammar);
    std::vector<std::string> arguments{name, "-$", "-v"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    brannock::testing::runBrannock(directory, arguments);
    return directory.read(name.substr(0, name.rfind('.')) + ".v");
}

} // namespace

TEST(VerboseReport, RulesStatesAndSummary)
{
    EXPECT_EQ(reportFor("%token NUM\n%%\nexpr : expr '+' NUM | NUM ;\n"),
              header("g.v", "g.y") + title("Rules") +
                  "    0  $accept : expr $end\n"
                  "\n"
                  "    1  expr : expr '+' NUM\n"
                  "    2       | NUM\n"
                  "\n\n" +
                  title("States") +
                  "state 0\n\t$accept : . expr $end\n\n\tNUM  shift 1\n\n\texpr  goto 2\n\n\n"
                  "state 1\n\texpr : NUM .  (2)\n\n\t.  reduce 2\n\n\n"
                  "state 2\n\t$accept : expr . $end  (0)\n\texpr : expr . '+' NUM\n\n\t$end  accept\n\t'+'  shift 3\n\n\n"
                  "state 3\n\texpr : expr '+' . NUM\n\n\tNUM  shift 4\n\n\n"
                  "state 4\n\texpr : expr '+' NUM .  (1)\n\n\t.  reduce 1\n\n\n" +
                  title("Summary") + "4 token(s), 2 nonterminal(s)\n3 grammar rule(s), 5 state(s)\n\n\n" +
                  title("End of File", false));
}

TEST(VerboseReport, ConflictLinesBeforeTheirStateAndInTheSummary)
{
    const std::string report = reportFor("%token NUM\n%%\nexpr : expr '+' expr | NUM ;\n");
    EXPECT_NE(report.find("4: shift-reduce conflict (shift 3, reduce 1) on '+'\n"
                          "state 4\n"
                          "\texpr : expr . '+' expr\n"
                          "\texpr : expr '+' expr .  (1)\n"
                          "\n"
                          "\t'+'  shift 3\n"
                          "\t.  reduce 1\n\n\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(title("Summary") + "State 4 contains 1 shift-reduce conflict(s)\n\n\n"
                                             "4 token(s), 2 nonterminal(s)\n3 grammar rule(s), 5 state(s)\n"),
              std::string::npos)
        << report;
}

TEST(VerboseReport, NeverUsedReportsAndEmptyRules)
{
    const std::string report = reportFor("%token A B\n%%\ns : A | A ;\nt : B ;\nu : ;\n", {"-Rn"});
    EXPECT_NE(report.find("    1  s : A\n    2    | A\n\n    3  t : B\n\n    4  u :\n\n\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("1: reduce-reduce conflict (reduce 1, reduce 2) on $end\n"
                          "state 1\n\ts : A .  (1)\n\ts : A .  (2)\n\n\t$end  reduce 1\n\n\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Tokens never shifted\n\tB  (258)\n\n\n"
                          "Rules never reduced\n\ts : A  (2)\n\tt : B  (3)\n\tu :  (4)\n\n\n" +
                          title("Summary") + "State 1 contains 1 reduce-reduce conflict(s)\n\n\n"
                                             "4 token(s), 4 nonterminal(s)\n5 grammar rule(s), 3 state(s)\n"),
              std::string::npos)
        << report;
}

TEST(VerboseReport, EmptyRuleItemsAreListedAfterTheKernel)
{
    const std::string report = reportFor("%%\nlist : | list 'x' ;\n", {"-Rn"});
    EXPECT_NE(report.find("state 0\n\t$accept : . list $end\n\tlist : .  (1)\n\n"), std::string::npos) << report;
}

TEST(VerboseReport, GrammarNameWithABlankIsQuoted)
{
    const std::string report = reportFor("%%\ns : ;\n", {}, "my g.y");
    EXPECT_EQ(report.substr(0, header("my g.v", "\"my g.y\"").size()), header("my g.v", "\"my g.y\""));
}

TEST(VerboseReport, WithoutTheSwitchOnlyTheWarnings)
{
    TemporaryDirectory directory;
    directory.write("g.y", "%token A B\n%%\ns : A ;\nt : B ;\n");
    const auto result = brannock::testing::runBrannock(directory, {"g.y", "-$"});
    EXPECT_EQ(result.out, "g.y(1) : warning Y4010: 'B' : token is never shifted\n"
                          "g.y(4) : warning Y4011: 't' : rule is never reduced\n");
    EXPECT_EQ(directory.entries(), (std::vector<std::string>{"g.c", "g.y"}));
}

// The token of a nonassociative operator met again is listed as the error
// it is, after the reductions and before the default reduction.
TEST(VerboseReport, NonassociativeTokenIsListedAsAnError)
{
    const std::string report = reportFor("%token NUM\n%nonassoc '<'\n%%\nexpr : expr '<' expr | NUM ;\n");
    EXPECT_NE(report.find("\texpr : expr '<' expr .  (1)\n\n\t'<'  error (nonassociative)\n\t.  reduce 1\n"),
              std::string::npos)
        << report;
}
