#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::compiles;
using lindle::testing::kRuntimeIncludes;
using lindle::testing::runLindle;
using lindle::testing::runtimeLibrary;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgram;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// The lex programs of both corpora whose actions are written in what the
// three languages share (T(n) for a token, BEGIN, ECHO, REJECT, yymore,
// yyless, return), each rewritten for C, C++ and Java and built fast and
// compact: the same input, on record and random, gives the same token
// stream (rule, text, line) through all of them. A program whose actions
// hold other code is C's alone and is left out. A third corpus holds
// programs that only these three are compared on, where flex is no
// oracle.
namespace {

// One rule of a corpus program.
struct Rule {
    std::string pattern;
    std::string action;
};

struct Program {
    std::vector<std::string> definitions; // without the code blocks
    std::vector<Rule> rules;
};

// Statements that every language has in some spelling.
const std::regex kSharedStatement(R"(\s*(T\(\d+\)|BEGIN\s*\(?\s*\w+\s*\)?|ECHO|REJECT|yymore\(\)|yyless\(\d+\)|)"
                                  R"(unput\('\w'\)|return\s+\d+)?\s*;?\s*)");

// The actions' statements, or false when one of them is C's own.
bool sharedStatements(const std::string& action, std::vector<std::string>& statements)
{
    std::string body = action;
    if (!body.empty() && body.front() == '{') {
        if (body.back() != '}')
            return false;
        body = body.substr(1, body.size() - 2);
    }
    std::stringstream parts(body);
    std::string part;
    while (std::getline(parts, part, ';')) {
        if (part.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (!std::regex_match(part, kSharedStatement))
            return false;
        statements.push_back(part.substr(part.find_first_not_of(" \t")));
    }
    return true;
}

// The pattern ends at the first blank outside brackets and quotes.
bool splitRule(const std::string& line, Rule& rule)
{
    bool bracket = false;
    bool quote = false;
    std::size_t i = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            ++i;
            continue;
        }
        if (quote) {
            quote = c != '"';
            continue;
        }
        if (bracket) {
            bracket = c != ']';
            continue;
        }
        if (c == ' ' || c == '\t')
            break;
        bracket = c == '[';
        quote = c == '"';
    }
    const std::size_t action = line.find_first_not_of(" \t", i);
    if (i == 0 || action == std::string::npos)
        return false;
    rule.pattern = line.substr(0, i);
    rule.action = line.substr(action, line.find_last_not_of(" \t") + 1 - action);
    return true;
}

// The program's definitions and rules, or false when it is not portable.
bool readProgram(const std::string& text, Program& program)
{
    std::stringstream lines(text);
    std::string line;
    bool inCode = false;
    while (std::getline(lines, line) && line != "%%") {
        if (line == "%{" || line == "%}") {
            inCode = line == "%{";
            continue;
        }
        if (!inCode && !line.empty())
            program.definitions.push_back(line);
    }
    while (std::getline(lines, line) && line != "%%") {
        if (line.empty())
            continue;
        Rule rule;
        std::vector<std::string> statements;
        if (!splitRule(line, rule) || !sharedStatements(rule.action, statements) ||
            rule.pattern.find("<<EOF>>") != std::string::npos)
            return false;
        program.rules.push_back(rule);
    }
    return !program.rules.empty();
}

bool returns(const std::string& action)
{
    return action.find("return") != std::string::npos || action.find("REJECT") != std::string::npos;
}

// The rules with %return before those whose action leaves the function
// (Java refuses a break after them) and %break before the others.
std::string rulesSection(const Program& program, const std::function<std::string(const std::string&)>& spell)
{
    std::string text = "%%\n";
    for (const Rule& rule : program.rules) {
        text += returns(rule.action) ? "%return\n" : "%break\n";
        text += rule.pattern + "\t" + spell(rule.action) + "\n";
    }
    return text + "%%\n";
}

std::string definitions(const Program& program)
{
    std::string text;
    for (const std::string& line : program.definitions)
        text += line + "\n";
    return text;
}

const std::string kCToken = "%{\n#include <stdio.h>\n"
                            "#define T(n) do { printf(\"%d:\", n); ECHO; printf(\":%d\\n\", yylineno); } while (0)\n"
                            "%}\n";

std::string cProgram(const Program& program)
{
    return kCToken + definitions(program) + rulesSection(program, [](const std::string& a) { return a; }) +
           "int yywrap(void) { return 1; }\nint main(void) { while (yylex() != 0) {} return 0; }\n";
}

std::string cppProgram(const Program& program)
{
    return kCToken + "%name lexer\n" + definitions(program) +
           rulesSection(program, [](const std::string& a) { return a; }) +
           "int main() { lexer l; while (l.yylex() != 0) {} return 0; }\n";
}

std::string javaAction(const std::string& action)
{
    std::string text = std::regex_replace(action, std::regex(R"(BEGIN\s*\(?\s*(\w+)\s*\)?)"), "yybegin($1)");
    text = std::regex_replace(text, std::regex(R"(\bECHO\b)"), "yyecho()");
    text = std::regex_replace(text, std::regex(R"(\bunput\()"), "yyunput(");
    return std::regex_replace(text, std::regex(R"(\bREJECT\b)"), "return yyreject()");
}

std::string javaProgram(const Program& program)
{
    return "%name Lexer\n{\n"
           "\tvoid T(int n) { yyout.print(n + \":\"); yyecho(); yyout.print(\":\" + yylineno + \"\\n\"); }\n"
           "}\n" +
           definitions(program) + rulesSection(program, javaAction) +
           "\tpublic static void main(String[] args) {\n"
           "\t\tLexer l = new Lexer();\n\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tSystem.out.flush();\n\t}\n}\n";
}

// Words, blanks and single other characters of the input on record,
// which random inputs are made of.
std::vector<std::string> vocabularyOf(const std::string& input)
{
    std::vector<std::string> pieces;
    static const std::regex kPiece(R"([A-Za-z0-9_]+|[ \t]+|\n|.)");
    for (auto it = std::sregex_iterator(input.begin(), input.end(), kPiece); it != std::sregex_iterator(); ++it)
        pieces.push_back(it->str());
    return pieces;
}

std::string randomInput(const std::vector<std::string>& vocabulary, unsigned seed, std::size_t pieces)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i)
        text += vocabulary[pick(random)];
    return text;
}

struct Build {
    const char* name;
    std::vector<std::string> switches;
};

const std::vector<Build> kTableForms = {{"fast", {}}, {"compact", {"-s"}}};

::testing::AssertionResult generate(const TemporaryDirectory& dir, const std::string& source,
                                    const std::string& output, std::vector<std::string> switches)
{
    std::vector<std::string> arguments{source, "-$", "-o", output};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    const ProcessResult run = runLindle(dir, arguments);
    if (run.exitStatus != 0)
        return ::testing::AssertionFailure() << "lindle " << source << ": " << run.out << run.err;
    return ::testing::AssertionSuccess();
}

std::vector<std::string> portablePrograms()
{
    std::vector<std::string> paths;
    for (const char* corpus : {FORMS_CORPUS_DIR, FLEX_CORPUS_DIR, LANGUAGES_CORPUS_DIR})
        for (const auto& entry : std::filesystem::directory_iterator(corpus))
            if (entry.path().extension() == ".l") {
                Program program;
                if (readProgram(readFile(entry.path().string()), program))
                    paths.push_back(entry.path().string());
            }
    std::sort(paths.begin(), paths.end());
    return paths;
}

class ThreeLanguages : public ::testing::TestWithParam<std::string> {};

TEST_P(ThreeLanguages, SameTokenStreams)
{
    const std::string path = GetParam();
    Program program;
    ASSERT_TRUE(readProgram(readFile(path), program));
    TemporaryDirectory dir;
    dir.write("c.l", cProgram(program));
    dir.write("cpp.l", cppProgram(program));
    dir.write("Lexer.l", javaProgram(program));
    const std::string recorded = readFile(path.substr(0, path.size() - 2) + ".in");
    const std::vector<std::string> vocabulary = vocabularyOf(recorded);
    const std::vector<std::string> inputs = {recorded, randomInput(vocabulary, 11, 4000),
                                             randomInput(vocabulary, 12, 200)};

    ASSERT_TRUE(generate(dir, "c.l", "c.c", {}));
    ASSERT_TRUE(compiles(dir, "gcc -Wall -Werror" + kRuntimeIncludes + " c.c " + runtimeLibrary(false) + " -o c"));
    std::vector<std::string> expected;
    for (const std::string& input : inputs) {
        const ProcessResult run = runProgram(dir, "c", input);
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        expected.push_back(run.out);
    }

    const bool java = shell("command -v javac", "/").exitStatus == 0;
    for (const Build& form : kTableForms) {
        SCOPED_TRACE(form.name);
        const std::string cpp = std::string("cpp_") + form.name;
        std::vector<std::string> switches = {"-Tcpp"};
        switches.insert(switches.end(), form.switches.begin(), form.switches.end());
        ASSERT_TRUE(generate(dir, "cpp.l", cpp + ".cpp", switches));
        ASSERT_TRUE(compiles(dir, "g++ -Wall -Werror" + kRuntimeIncludes + " " + cpp + ".cpp " +
                                     runtimeLibrary(false) + " -o " + cpp));
        std::vector<std::string> javaSwitches = {"-Tj"};
        javaSwitches.insert(javaSwitches.end(), form.switches.begin(), form.switches.end());
        const std::string classes = std::string("java_") + form.name;
        if (java) {
            ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", javaSwitches));
            ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d " + classes + " Lexer.java"));
        }
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const ProcessResult cppRun = runProgram(dir, cpp, inputs[i]);
            EXPECT_EQ(cppRun.exitStatus, 0) << cppRun.err;
            EXPECT_EQ(cppRun.out, expected[i]) << "C++, input " << i;
            if (!java)
                continue;
            const ProcessResult javaRun =
                toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":" + classes + " Lexer", inputs[i]);
            EXPECT_EQ(javaRun.exitStatus, 0) << javaRun.err;
            EXPECT_EQ(javaRun.out, expected[i]) << "Java, input " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, ThreeLanguages, ::testing::ValuesIn(portablePrograms()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             const std::filesystem::path path(param.param);
                             return path.parent_path().filename().string().substr(0, 4) + "_" +
                                    path.stem().string();
                         });

} // namespace

namespace {

// The 2,000-keyword scanner of the benchmarks (random keywords, then
// identifiers, numbers and blanks), whose tables are far beyond what one
// Java method may hold: the Java scanner compiles, fast and compact, and
// reads a text of keywords, near misses and numbers as the C one does.
TEST(LargeScanners, TwoThousandKeywordsInJava)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    std::mt19937 random(7);
    std::vector<std::string> keywords;
    std::set<std::string> seen;
    while (keywords.size() < 2000) {
        std::string word;
        const std::size_t length = 3 + random() % 8;
        for (std::size_t i = 0; i < length; ++i)
            word += static_cast<char>('a' + random() % 26);
        if (seen.insert(word).second)
            keywords.push_back(word);
    }
    std::string rules = "%%\n%return\n";
    for (std::size_t i = 0; i < keywords.size(); ++i)
        rules += "\"" + keywords[i] + "\"\t{ T(" + std::to_string(256 + i) + "); return 1; }\n";
    rules += "{LETTER}({LETTER}|{DIGIT})*\t{ T(1); return 1; }\n{DIGIT}+\t{ T(2); return 1; }\n"
             ".\t{ T(3); return 1; }\n%break\n[ \\t\\n]+\t;\n%%\n";
    std::string input;
    for (std::size_t i = 0; i < keywords.size(); i += 3)
        input += keywords[i] + " " + keywords[i + 1] + "x " + keywords[i].substr(1) + " 42\n" + (i % 7 ? "" : "+-");
    TemporaryDirectory dir;
    dir.write("c.l", kCToken + "LETTER [a-z_]\nDIGIT [0-9]\n" + rules +
                         "int yywrap(void) { return 1; }\nint main(void) { while (yylex() != 0) {} return 0; }\n");
    dir.write("Lexer.l", "%name Lexer\n{\n"
                         "\tvoid T(int n) { yyout.print(n + \":\"); yyecho(); yyout.print(\":\" + yylineno + \"\\n\"); }\n"
                         "}\nLETTER [a-z_]\nDIGIT [0-9]\n" +
                             rules +
                             "\tpublic static void main(String[] args) {\n\t\tLexer l = new Lexer();\n"
                             "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tSystem.out.flush();\n\t}\n}\n");
    ASSERT_TRUE(generate(dir, "c.l", "c.c", {}));
    ASSERT_TRUE(compiles(dir, "gcc -Wall -Werror" + kRuntimeIncludes + " c.c " + runtimeLibrary(false) + " -o c"));
    const ProcessResult expected = runProgram(dir, "c", input);
    ASSERT_EQ(expected.exitStatus, 0);
    for (const Build& form : kTableForms) {
        SCOPED_TRACE(form.name);
        std::vector<std::string> switches = {"-Tj"};
        switches.insert(switches.end(), form.switches.begin(), form.switches.end());
        const std::string classes = std::string("classes_") + form.name;
        ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d " + classes + " Lexer.java"));
        const ProcessResult run = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":" + classes + " Lexer", input);
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.out, expected.out);
    }
}

} // namespace

namespace {

// A Java token past the text maximum is cut and reported as a C one is,
// whichever way the engine scans it; one of exactly the maximum is not.
TEST(TextMaximum, JavaCutsAndReportsALongTokenAsC)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("Lexer.l", "%name Lexer\n{\n}\n{\n\tyytext_max = 120;\n}\n%%\n"
                         "[a-z]+\t{ yyout.print(\"w:\"); yyecho(); yyout.print(\"\\n\"); }\n\\n\t{ }\n%%\n"
                         "\tpublic static void main(String[] args) {\n\t\tLexer l = new Lexer();\n"
                         "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tSystem.out.flush();\n\t}\n}\n");
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-Tj"}, {"-Tj", "-s"}}) {
        ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Lexer.java"));
        const std::string a(120, 'a'), b(120, 'b'), c(10, 'c');
        const ProcessResult run = toolframe::testing::runWithInput(
            dir, "java -cp " YL_JAR ":classes Lexer", a + b + c + "\nab\n" + a + "\n" + b);
        EXPECT_EQ(run.out, "w:" + a + "\nw:" + b + "\nw:" + c + "\nw:ab\nw:" + a + "\nw:" + b + "\n");
        EXPECT_EQ(run.err, "lex text buffer overflow\nlex text buffer overflow\n");
    }
}

// An action that reads on past a token of exactly the maximum, at the end
// of what the engine has buffered, keeps the whole token, and yymore()
// then drops it as C does: only a token past the maximum overflows.
TEST(TextMaximum, JavaKeepsATokenOfTheMaximumWhenAnActionReadsOn)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("c.l", "%{\n#include <stdio.h>\n%}\n%%\n"
                     "[a-z]+\t{ int c = input(); printf(\"w %d %.*s | %d\\n\", yyleng, yyleng, yytext, c); yymore(); }\n"
                     "\\n\t{ printf(\"n %d %.*s\\n\", yyleng, yyleng, yytext); }\n%%\n"
                     "int main(void) { yytext_max = 120; while (yylex() != 0) {} return 0; }\n");
    dir.write("Lexer.l", "%name Lexer\n{\n}\n{\n\tyytext_max = 120;\n}\n%%\n"
                         "[a-z]+\t{ int c = yyinput(); yyout.print(\"w \" + yyleng + \" \" + yytext() + \" | \" + c + \"\\n\");"
                         " yymore(); }\n"
                         "\\n\t{ yyout.print(\"n \" + yyleng + \" \" + yytext() + \"\\n\"); }\n%%\n"
                         "\tpublic static void main(String[] args) {\n\t\tLexer l = new Lexer();\n"
                         "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.flush();\n\t}\n}\n");
    ASSERT_TRUE(generate(dir, "c.l", "c.c", {}));
    ASSERT_TRUE(compiles(dir, "gcc -Wall -Werror" + kRuntimeIncludes + " c.c " + runtimeLibrary(false) + " -o c"));
    const std::string inputs[] = {std::string(120, 'a'), std::string(119, 'a') + "\nb", std::string(120, 'a') + "\nb",
                                  std::string(121, 'a')};
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-Tj"}, {"-Tj", "-s"}}) {
        SCOPED_TRACE(switches.back());
        ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Lexer.java"));
        for (const std::string& input : inputs) {
            SCOPED_TRACE(input.size());
            const ProcessResult expected = runProgram(dir, "c", input);
            const ProcessResult run = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":classes Lexer", input);
            EXPECT_EQ(run.out, expected.out);
            EXPECT_EQ(run.err, expected.err);
        }
    }
}

// A program's own yyunput sees every character the engine gives back, in
// Java as in C++, and neither reads past a token that nothing can extend:
// "ab" backs up to "a" and gives the newline and "b" back, while "b",
// "abc" and the newlines end where they stand.
TEST(OwnUnput, JavaGivesBackThroughItAsCpp)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    const std::string rules = "%%\nabc\t{ say(\"abc\"); }\na\t{ say(\"a\"); }\nb\t{ say(\"b\"); }\n\\n\t{ }\n%%\n";
    dir.write("cpp.l", "%{\n#include <stdio.h>\nstatic void say(const char *what) { printf(\"%s\\n\", what); }\n%}\n"
                       "%name lexer\n{\n\tvoid yyunput(int ch);\n}\n" +
                           rules +
                           "void lexer::yyunput(int ch) { printf(\"unput %d\\n\", ch); yl::yylexer::yyunput(ch); }\n"
                           "int main() { lexer l; l.yycreate(); while (l.yylex() != 0) {} return 0; }\n");
    dir.write("Lexer.l", "%name Lexer\n{\n"
                         "\tpublic void yyunput(int ch) { yyout.print(\"unput \" + ch + \"\\n\"); super.yyunput(ch); }\n"
                         "\tvoid say(String what) { yyout.print(what + \"\\n\"); }\n}\n" +
                             rules +
                             "\tpublic static void main(String[] args) {\n\t\tLexer l = new Lexer();\n"
                             "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.flush();\n\t}\n}\n");
    const std::string input = "ab\nabc\nb";
    const std::string expected = "unput 10\nunput 98\na\nb\nabc\nb\n";
    for (const std::vector<std::string>& form : {std::vector<std::string>{}, {"-s"}}) {
        SCOPED_TRACE(form.empty() ? "fast" : "compact");
        std::vector<std::string> cppSwitches = {"-Tcpp"}, javaSwitches = {"-Tj"};
        cppSwitches.insert(cppSwitches.end(), form.begin(), form.end());
        javaSwitches.insert(javaSwitches.end(), form.begin(), form.end());
        ASSERT_TRUE(generate(dir, "cpp.l", "cpp.cpp", cppSwitches));
        ASSERT_TRUE(compiles(dir, "g++ -Wall -Werror" + kRuntimeIncludes + " cpp.cpp " + runtimeLibrary(false) + " -o cpp"));
        EXPECT_EQ(runProgram(dir, "cpp", input).out, expected);
        ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", javaSwitches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Lexer.java"));
        EXPECT_EQ(toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":classes Lexer", input).out, expected);
    }
}

// As in C: a start state that no character leaves (rules that all begin
// with "^", in the middle of a line) still reads on to the end of the
// input, where the scan ends.
TEST(JavaEndOfInput, AStartStateThatNothingLeavesStillReachesIt)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("Bol.l", "%name Bol\n%%\n^a\t{ yyout.print(\"[A]\"); }\n%%\n"
                       "\tpublic static void main(String[] args) {\n\t\tBol l = new Bol();\n"
                       "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.print(\"done\\n\");\n\t\tl.yyout.flush();\n\t}\n}\n");
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-Tj"}, {"-Tj", "-s"}}) {
        SCOPED_TRACE(switches.back());
        ASSERT_TRUE(generate(dir, "Bol.l", "Bol.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Bol.java"));
        for (const auto& [input, output] : {std::pair<std::string, std::string>{"a", "[A]done\n"}, {"ba", "badone\n"}}) {
            const ProcessResult run =
                toolframe::testing::runWithInput(dir, "timeout 20 java -cp " YL_JAR ":classes Bol", input);
            EXPECT_EQ(run.out, output) << input;
            EXPECT_EQ(run.exitStatus, 0) << input;
        }
    }
}

// As in C: new input after the end of the last starts a line, also when
// an end-of-file rule ended the scan.
TEST(JavaEndOfInput, InputGivenAfterTheEndStartsALine)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("second", "#x#\n#");
    for (const char* endRule : {"", "%return\n<<EOF>>\t{ return 0; }\n"}) {
        SCOPED_TRACE(endRule);
        dir.write("Lines.l", std::string("%name Lines\n%%\n^\"#\"\t{ yyout.print(\"1:\"); yyecho(); yyout.print(\"\\n\"); }\n"
                                         ".\t{ yyout.print(\"2:\"); yyecho(); yyout.print(\"\\n\"); }\n\\n\t{ }\n") +
                                 endRule +
                                 "%%\n"
                                 "\tpublic static void main(String[] args) throws java.io.IOException {\n"
                                 "\t\tLines l = new Lines();\n\t\twhile (l.yylex() != 0) {\n\t\t}\n"
                                 "\t\tl.yysetinput(new java.io.FileInputStream(\"second\"));\n"
                                 "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tSystem.out.flush();\n\t}\n}\n");
        ASSERT_TRUE(generate(dir, "Lines.l", "Lines.java", {"-Tj"}));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Lines.java"));
        const ProcessResult run = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":classes Lines", "a#");
        EXPECT_EQ(run.out, "2:a\n2:#\n1:#\n2:x\n2:#\n1:#\n");
    }
}

// And as in C, what an action gives back once its input() found the end
// starts a line.
TEST(JavaEndOfInput, TextGivenBackAfterInputFoundTheEndStartsALine)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("Ahead.l", "%name Ahead\n%%\n"
                         "bc\t{ int c = yyinput(); yyout.print(c < 0 ? \"[bc end]\" : \"[bc char]\"); yyunput('a'); }\n"
                         "^a\t{ yyout.print(\"[^a]\"); }\na\t{ yyout.print(\"[a]\"); }\n"
                         ".|\\n\t{ yyout.print(\"[\" + yycharat(0) + \"]\"); }\n%%\n"
                         "\tpublic static void main(String[] args) {\n\t\tAhead l = new Ahead();\n"
                         "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.print(\"\\n\");\n\t\tl.yyout.flush();\n\t}\n}\n");
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-Tj"}, {"-Tj", "-s"}}) {
        SCOPED_TRACE(switches.back());
        ASSERT_TRUE(generate(dir, "Ahead.l", "Ahead.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes Ahead.java"));
        for (const auto& [input, output] : {std::pair<std::string, std::string>{"bc", "[bc end][^a]\n"},
                                            {"xbc", "[x][bc end][^a]\n"},
                                            {"bcd", "[bc char][a]\n"},
                                            {"bc\n", "[bc char][^a]\n"}}) {
            const ProcessResult run =
                toolframe::testing::runWithInput(dir, "timeout 20 java -cp " YL_JAR ":classes Ahead", input);
            EXPECT_EQ(run.out, output) << input;
        }
    }
}

} // namespace

namespace {

// Java scanners read UTF-8 as the C runtime does: a byte that begins no
// well-formed sequence is the code unit 0xDC00 + byte, and ECHO writes it
// back as that byte, so that a scanner that echoes its input copies it.
TEST(JavaUnicode, KeepsEveryByteOfInvalidInputAsC)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    const std::string main = "%%\n\tpublic static void main(String[] args) {\n\t\tLexer l = new Lexer();\n"
                             "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.flush();\n\t}\n}\n";
    const std::pair<std::string, std::string> programs[] = {
        {"units", "%name Lexer\n%%\n[a-z]+\t{ yyout.print(\"w:\" + yyleng + \"\\n\"); }\n"
                  ".\t{ yyout.print(String.format(\"u:%04x\\n\", (int) yycharat(0))); }\n"
                  "\\n\t{ yyout.print(\"nl\\n\"); }\n" +
                      main},
        {"echo", "%name Lexer\n%%\n.|\\n\t{ yyecho(); }\n" + main},
    };
    TemporaryDirectory dir;
    // Well-formed UTF-8 (e acute, a character beyond U+FFFF), and bytes that
    // are not: FF, a sequence cut short by a newline, a surrogate's
    // encoding, a stray continuation byte, an overlong encoding and a cut
    // sequence at the very end.
    const std::string input = "ab\xc3\xa9\xff\xe2\x82\n\xf0\x9f\x98\x80\xed\xa0\x80z\x80\xc0\xaf\xf0\x9f";
    for (const auto& [name, source] : programs) {
        dir.write("Lexer.l", source);
        ASSERT_TRUE(generate(dir, "Lexer.l", "Lexer.java", {"-Tj"}));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d " + name + " Lexer.java"));
    }
    const ProcessResult units = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":units Lexer", input);
    EXPECT_EQ(units.out, "w:2\nu:00e9\nu:dcff\nu:dce2\nu:dc82\nnl\nu:d83d\nu:de00\nu:dced\nu:dca0\nu:dc80\nw:1\n"
                         "u:dc80\nu:dcc0\nu:dcaf\nu:dcf0\nu:dc9f\n");
    const ProcessResult echoed = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":echo Lexer", input);
    EXPECT_EQ(echoed.out, input);
}

} // namespace

namespace {

// The reader hands over what it decoded before it waits for the rest of a
// sequence, and it waits for one byte at a time, so that a byte that
// breaks the sequence ends the wait. The stream delivers a chunk a read;
// a chunk after a pause comes only once the reader has returned, and a
// read that asks for it earlier fails, where a pipe would block.
TEST(JavaUnicode, TheReaderDeliversWhatItDecodedBeforeItWaits)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("Chunks.java",
              "import java.io.*;\n"
              "public class Chunks {\n"
              "\tstatic int[][] chunks = { { 'a', 'b', 0xE2 }, { 0x82, 'x' }, { 0xF0 }, { 0x9F, 0x98, 0x80 }, { 0xE2 },\n"
              "\t\t{ 'y' }, { 'z' } };\n"
              "\tstatic boolean[] pause = { false, true, false, false, false, false, true };\n"
              "\tstatic int next = 0;\n"
              "\tstatic boolean open = true;\n"
              "\tpublic static void main(String[] args) throws IOException {\n"
              "\t\tInputStream in = new InputStream() {\n"
              "\t\t\t@Override public int read() { throw new IllegalStateException(); }\n"
              "\t\t\t@Override public int read(byte[] b, int off, int len) {\n"
              "\t\t\t\tif (next == chunks.length)\n\t\t\t\t\treturn -1;\n"
              "\t\t\t\tif (pause[next] && !open)\n\t\t\t\t\tthrow new IllegalStateException(\"blocked\");\n"
              "\t\t\t\topen = false;\n"
              "\t\t\t\tint[] chunk = chunks[next++];\n"
              "\t\t\t\tfor (int i = 0; i < chunk.length; i++)\n\t\t\t\t\tb[off + i] = (byte) chunk[i];\n"
              "\t\t\t\treturn chunk.length;\n\t\t\t}\n\t\t};\n"
              "\t\tReader reader = new yl.yyutf8reader(in);\n"
              "\t\tchar[] buf = new char[16];\n"
              "\t\tfor (;;) {\n"
              "\t\t\topen = true;\n"
              "\t\t\tint n = reader.read(buf, 0, buf.length);\n"
              "\t\t\tif (n < 0)\n\t\t\t\tbreak;\n"
              "\t\t\tStringBuilder line = new StringBuilder();\n"
              "\t\t\tfor (int i = 0; i < n; i++)\n\t\t\t\tline.append(String.format(\" %04x\", (int) buf[i]));\n"
              "\t\t\tSystem.out.println(n + \":\" + line);\n"
              "\t\t}\n\t}\n}\n");
    ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " Chunks.java"));
    const ProcessResult run = toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":. Chunks", "");
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    // "ab" before the pause; E2 82 is cut short by 'x'; F0 9F 98 80 is
    // U+1F600, read across two chunks; E2 is cut short by 'y' before the
    // second pause.
    EXPECT_EQ(run.out, "2: 0061 0062\n3: dce2 dc82 0078\n2: d83d de00\n2: dce2 0079\n1: 007a\n");
}

} // namespace

namespace {

// Output holds a high surrogate until the next unit shows whether it has
// a low half; one still held when the scan ends goes out alone, in Java as
// in C, and is not lost.
TEST(JavaUnicode, AHighSurrogateHeldForOutputGoesOutWhenTheScanEnds)
{
    if (shell("command -v javac", "/").exitStatus != 0)
        GTEST_SKIP() << "javac is needed";
    TemporaryDirectory dir;
    dir.write("c.l", "%%\n[\xf0\x9f\x98\x80-\xf0\x9f\x98\x8f]\tyywoutput(yytext[0]);\n.|\\n\tECHO;\n%%\n"
                     "int main(void) { while (yylex() != 0) {} return 0; }\n");
    dir.write("High.l", "%name High\n%%\n[\xf0\x9f\x98\x80-\xf0\x9f\x98\x8f]\tyyoutput(yycharat(0));\n"
                        ".|\\n\tyyecho();\n%%\n"
                        "\tpublic static void main(String[] args) {\n\t\tHigh l = new High();\n"
                        "\t\twhile (l.yylex() != 0) {\n\t\t}\n\t\tl.yyout.flush();\n\t}\n}\n");
    ASSERT_TRUE(generate(dir, "c.l", "c.c", {"-W"}));
    ASSERT_TRUE(compiles(dir, "gcc -Wall -Werror" + kRuntimeIncludes + " c.c " + runtimeLibrary(true) + " -o c"));
    const std::string high = "\xed\xa0\xbd"; // U+D83D on its own, as three bytes
    const std::pair<std::string, std::string> cases[] = {
        {"a\xf0\x9f\x98\x80", "a" + high},
        {"a\xf0\x9f\x98\x80z", "a" + high + "z"},
        {"\xf0\x9f\x98\x80\xf0\x9f\x98\x81", high + high},
    };
    for (const auto& [input, output] : cases)
        EXPECT_EQ(runProgram(dir, "c", input).out, output);
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-W", "-Tj"}, {"-W", "-Tj", "-s"}}) {
        SCOPED_TRACE(switches.back());
        ASSERT_TRUE(generate(dir, "High.l", "High.java", switches));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes High.java"));
        for (const auto& [input, output] : cases)
            EXPECT_EQ(toolframe::testing::runWithInput(dir, "java -cp " YL_JAR ":classes High", input).out, output);
    }
}

} // namespace
