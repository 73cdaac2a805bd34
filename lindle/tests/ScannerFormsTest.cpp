#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::buildScanner;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgram;
using toolframe::testing::runProgramChecked;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// Every lex program of this corpus is read by flex and by lindle, and the
// two scanners must print the same token stream (rule, text, line) for the
// input on record and for long random inputs: in every table form, both
// widths and all three models, compiled as C and as C++. Its programs
// print through ECHO, so that the same text serves the Unicode scanners. The corpus is
// written in the notation both tools share; where lindle's differs from
// flex's the program avoids it: start condition values (lindle's are twice
// the number, so programs compare YY_START with the names), an unprefixed
// <<EOF>> (flex applies it to exclusive conditions too, lindle as any
// unprefixed rule), and comments in the rules section.
namespace {

struct CorpusProgram {
    const char* name;
    // Pieces the random input is made of.
    std::vector<std::string> vocabulary;
    std::vector<std::string> switches = {};
};

const std::vector<CorpusProgram> kCorpus = {
    {"wordcount", {"a", "bc", "word", " ", "  ", "\t", "\n", "x\ny", ".,;"}},
    {"clexer",
     {"int", "if", "while", "x", "_id9", " ", "\n", "0x1F", "017", "42", "1.5", ".5e+3", "7.", "1e9L", "\"s\\\"t\"",
      "'c'", "L'\\n'", "/*", "*/", "*", "/", ">>=", "->", "&&", "+", "(", ")", ";", "...", "..", "@", "\t", "\""}},
    {"conditions", {"#if", "#", "%%", "%", "abc", " ", "\t", "\n", "\"", "12", "z", "!"}},
    {"trailing", {"ab", "(", "12", "x", "y", "z", "abc", "def", "end", "\n", " ", "e", "q"}},
    {"reject", {"she", "he", "his", "hers", "s", "h", "e", "x", " ", "\n"}, {"-r"}},
    {"moreless", {"more-", "less", "lesser", "put", "peek", "skip\n", "ab", "-", "\n", " ", "!"}},
    {"eof", {"ab", "!", "cd", "\n", " ", "x", "."}},
    {"backup", {"a", "ab", "abc", "abcd", "abcdef", "abcdefg", "b", "c", "d", "1", "1.", "1.5", "e", "9", "\n", " "}},
};

struct Form {
    const char* name;
    std::vector<std::string> switches;
    bool cplusplus = false;
    // The scanning engine compiled into the program with these settings,
    // in place of the library's: a cache of three rows, which gives up
    // within the first tokens and hands the scan to the hooks mid-token,
    // and the stream read without looking into its buffer.
    const char* engine = nullptr;
    const char* engineSettings = "";
};

const std::vector<Form> kForms = {
    {"fast", {}},
    {"compact", {"-s"}},
    {"no_default_transitions_or_states", {"-R", "-S"}},
    {"no_error_transitions", {"-E"}},
    {"narrow_ranges", {"-L:256"}},
    {"not_minimised", {"-d", "-s"}},
    {"unicode", {"-W"}},
    {"unicode_compact", {"-W", "-s", "-R"}},
    {"multiple", {"-mm"}},
    {"multiple_direct", {"-mm", "-s"}},
    {"instance", {"-mi"}},
    {"instance_unicode", {"-mi", "-W"}},
    {"multiple_unicode_compact", {"-mm", "-W", "-s"}},
    {"cplusplus", {"-W"}, true},
    {"cplusplus_instance", {"-mi", "-s"}, true},
    {"cache_given_up", {}, false, "yylex.c", "-DYYLCACHEROWS=3"},
    {"cache_given_up_unicode_instance", {"-mi", "-W"}, false, "yywmlex.c", "-DYYLCACHEROWS=3"},
    {"stream_not_peeked", {"-s"}, false, "yylex.c", "-DYYLNOPEEK"},
    {"stream_not_peeked_unicode", {"-W"}, false, "yywlex.c", "-DYYLNOPEEK"},
};

// The compiler flags that build a form's program.
std::string formFlags(const Form& form)
{
    std::string flags = std::string(form.name) == "multiple_direct" ? "-DDIRECT" : "";
    if (form.engine != nullptr)
        flags += std::string(" -D_POSIX_C_SOURCE=200809L ") + form.engineSettings + " " YL_LEXER_INCLUDE_DIR "/" +
                 form.engine;
    return flags;
}

// What a program of the corpus needs to run in a multiple model: a name,
// and its calls of yylex() turned into scans of an object, created from
// the generated one (or, with DIRECT, the -mm object itself).
const std::string kMultipleModelCode =
    "#include <stdlib.h>\n"
    "#ifdef YYWMLEX_H\n"
    "#define LEXER_T yywmlexer_t\n#define CREATE yywmcreatelexer\n#define DESTROY yywmdestroylexer\n#define SCAN yywmlex\n"
    "#else\n"
    "#define LEXER_T yymlexer_t\n#define CREATE yymcreatelexer\n#define DESTROY yymdestroylexer\n#define SCAN yymlex\n"
    "#endif\n"
    "#ifdef DIRECT\n"
    "#define yylex() SCAN(&scanner)\n"
    "#else\n"
    "static LEXER_T instance;\n"
    "static int created;\n"
    "static void finish(void) { DESTROY(&instance); }\n"
    "static int scan(void)\n"
    "{\n"
    "\tif (!created) {\n"
    "\t\tif (!CREATE(&instance, &scanner))\n\t\t\texit(3);\n"
    "\t\tcreated = 1;\n"
    "\t\tatexit(finish);\n"
    "\t}\n"
    "\treturn SCAN(&instance);\n"
    "}\n"
    "#define yylex() scan()\n"
    "#endif\n";

// The program with the name declared and that code at the head of its
// program section, after the object's declaration.
std::string inMultipleModel(const std::string& source)
{
    const std::size_t rules = source.find("\n%%\n");
    const std::size_t program = source.find("\n%%\n", rules + 1);
    return "%name scanner\n" + source.substr(0, program + 4) + kMultipleModelCode + source.substr(program + 4);
}

bool isMultiple(const Form& form)
{
    for (const std::string& s : form.switches)
        if (s == "-mm" || s == "-mi")
            return true;
    return false;
}

std::string randomInput(const CorpusProgram& program, unsigned seed, std::size_t pieces)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, program.vocabulary.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i)
        text += program.vocabulary[pick(random)];
    return text;
}

class ScannerForms : public ::testing::TestWithParam<CorpusProgram> {};

TEST_P(ScannerForms, SameTokenStreamsInEveryForm)
{
    const CorpusProgram& program = GetParam();
    TemporaryDirectory dir;
    const std::string source = readFile(std::string(FORMS_CORPUS_DIR) + "/" + program.name + ".l");
    dir.write("spec.l", source);
    dir.write("multiple.l", inMultipleModel(source));
    const ProcessResult flexed = shell("flex -o flex.c spec.l && gcc -w flex.c -o flexscan", dir.path());
    ASSERT_EQ(flexed.exitStatus, 0) << flexed.out << flexed.err;

    const std::vector<std::string> inputs = {readFile(std::string(FORMS_CORPUS_DIR) + "/" + program.name + ".in"),
                                             randomInput(program, 7, 6000), randomInput(program, 8, 300)};
    std::vector<std::string> expected;
    for (const std::string& input : inputs) {
        const ProcessResult run = runProgram(dir, "flexscan", input);
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        expected.push_back(run.out);
    }

    for (const Form& form : kForms) {
        SCOPED_TRACE(form.name);
        const bool multiple = isMultiple(form);
        std::vector<std::string> switches = program.switches;
        switches.insert(switches.end(), form.switches.begin(), form.switches.end());
        ASSERT_TRUE(
            buildScanner(dir, multiple ? "multiple.l" : "spec.l", form.name, switches, formFlags(form), form.cplusplus));
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            // The engines compiled in are checked under valgrind on the
            // shorter inputs.
            const bool underValgrind = form.engine != nullptr && inputs[i].size() < 4096;
            const ProcessResult run =
                underValgrind ? runProgramChecked(dir, form.name, inputs[i]) : runProgram(dir, form.name, inputs[i]);
            EXPECT_EQ(run.exitStatus, 0) << run.err;
            EXPECT_EQ(run.out, expected[i]) << "input " << i;
        }
    }

    // Under valgrind, with text and unput buffers of four characters, so
    // that every longer token grows them.
    ASSERT_TRUE(buildScanner(dir, "spec.l", "small_buffers", program.switches, "-DYYTEXT_SIZE=4"));
    const ProcessResult checked = runProgramChecked(dir, "small_buffers", inputs[2] + inputs[0]);
    EXPECT_EQ(checked.out, runProgram(dir, "flexscan", inputs[2] + inputs[0]).out);
    std::vector<std::string> instanceSwitches = program.switches;
    instanceSwitches.push_back("-mi");
    ASSERT_TRUE(buildScanner(dir, "multiple.l", "small_instance", instanceSwitches, "-DYYTEXT_SIZE=4"));
    const ProcessResult instance = runProgramChecked(dir, "small_instance", inputs[0]);
    EXPECT_EQ(instance.out, expected[0]);
}

INSTANTIATE_TEST_SUITE_P(Corpus, ScannerForms, ::testing::ValuesIn(kCorpus),
                         [](const ::testing::TestParamInfo<CorpusProgram>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
