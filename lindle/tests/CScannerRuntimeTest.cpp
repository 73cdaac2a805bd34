#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::buildScanner;
using lindle::testing::kRuntimeIncludes;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgram;
using toolframe::testing::runProgramChecked;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// The scanner runtime on its own terms: tables made by hand, what a
// Unicode scanner does with input that is not UTF-8, a lex program's own
// input and unput, and a Brannock parser that takes its tokens from a
// Lindle scanner.
namespace {

const std::string kRuntimeTests = LEXER_RUNTIME_TESTS_DIR;

struct HandCase {
    const char* mode;
    const char* expected;
};

// Input "abcd abc ab\nxab\nq": rules 1 ab, 2 abcd, 3 [a-z], 4 \n, 5 <<EOF>>;
// a blank matches nothing and is echoed.
const std::vector<HandCase> kHandCases = {
    {"plain", "2:abcd:1\n 1:ab:1\n3:c:1\n 1:ab:1\n4:\n:2\n3:x:2\n1:ab:2\n4:\n:3\n3:q:3\neof:3\n"},
    // Rule 1 rejects: the shorter match of the same token follows.
    {"reject", "2:abcd:1\n 3:a:1\n3:b:1\n3:c:1\n 3:a:1\n3:b:1\n4:\n:2\n3:x:2\n3:a:2\n3:b:2\n4:\n:3\n3:q:3\neof:3\n"},
    {"less", "2:ab:1\n3:c:1\n3:d:1\n 1:ab:1\n3:c:1\n 1:ab:1\n4:\n:2\n3:x:2\n1:ab:2\n4:\n:3\n3:q:3\neof:3\n"},
    {"more", "2:abcd:1\n 1:ab:1\n3:c:1\n 1:ab:1\n4:\n:2\n1:xab:2\n4:\n:3\n3:q:3\neof:3\n"},
    {"input", "2:abcd:1\n 1:ab:1\n3:c:1\n 1:ab:1\ninput:120\n4:\n:2\n1:ab:2\ninput:113\n4:\n:3\neof:3\n"},
    {"unput",
     "2:abcd:1\n 1:ab:1\n3:c:1\n3:d:1\n3:c:1\n 1:ab:1\n3:c:1\n3:d:1\n4:\n:2\n3:x:2\n1:ab:2\n3:c:2\n3:d:2\n4:\n:3\n3:q:3\n"
     "eof:3\n"},
};

TEST(LexerRuntime, ReadsHandMadeTablesInBothFormsWithBuffersThatGrow)
{
    TemporaryDirectory dir;
    for (const std::string form : {"", "-DHAND_COMPACT"}) {
        SCOPED_TRACE(form);
        const std::string command = "gcc -Wall -Werror -g -DYYTEXT_SIZE=2 " + form + kRuntimeIncludes + " " +
                                    kRuntimeTests + "/handscanner.c " YL_LIBRARY " -o hand";
        const ProcessResult built = shell(command, dir.path());
        ASSERT_EQ(built.exitStatus, 0) << command << "\n" << built.err;
        for (const HandCase& c : kHandCases) {
            const ProcessResult run = toolframe::testing::runWithInput(
                dir, "valgrind -q --error-exitcode=99 --leak-check=full ./hand " + std::string(c.mode),
                "abcd abc ab\nxab\nq");
            EXPECT_EQ(run.exitStatus, 0) << c.mode << run.err;
            EXPECT_EQ(run.out, c.expected) << c.mode;
        }
    }
}

TEST(LexerRuntime, TracesEachTokenWhenAsked)
{
    TemporaryDirectory dir;
    const ProcessResult built = shell("gcc -Wall -Werror" + kRuntimeIncludes + " " + kRuntimeTests +
                                          "/handscanner.c " YL_LIBRARY " -o hand",
                                      dir.path());
    ASSERT_EQ(built.exitStatus, 0) << built.err;
    const ProcessResult run = toolframe::testing::runWithInput(dir, "./hand plain trace 2>&1 >/dev/null", "ab?");
    EXPECT_EQ(run.out, "lex: rule 1 \"ab\" line 1\nlex: no rule, echoed \"?\" line 1\n"
                       "lex: end of input, rule 5 \"\" line 1\n");
}

// Each code unit of the input on a line of its own, and a copy of the input.
const std::string kUnitsSource = "%%\n"
                                 "[a-z]+\t{ printf(\"w:%d\\n\", yyleng); }\n"
                                 ".\t{ printf(\"u:%04x\\n\", (unsigned) yytext[0]); }\n"
                                 "\\n\t{ printf(\"nl\\n\"); }\n"
                                 "%%\n"
                                 "int main(void) { return yylex(); }\n";
const std::string kEchoSource = "%%\n.|\\n\tECHO;\n%%\nint main(void) { return yylex(); }\n";

// Well-formed UTF-8 (e acute, a character beyond U+FFFF), and bytes that are
// not: FF, a sequence cut short by a newline, a surrogate's encoding, a
// stray continuation byte, an overlong encoding and a cut sequence at the
// very end.
const std::string kMixedInput = "ab\xc3\xa9\xff\xe2\x82\n\xf0\x9f\x98\x80\xed\xa0\x80z\x80\xc0\xaf\xf0\x9f";

TEST(LexerRuntime, UnicodeScannersKeepEveryByteOfInvalidInput)
{
    TemporaryDirectory dir;
    for (const std::string model : {"-ms", "-mi"}) {
        SCOPED_TRACE(model);
        dir.write("units.l", kUnitsSource);
        dir.write("echo.l", kEchoSource);
        if (model == "-mi") {
            const std::string instanceMain = "int main(void)\n{\n\tyywmlexer_t lexer;\n\tint token;\n"
                                             "\tyywmcreatelexer(&lexer, &scanner);\n\ttoken = yywmlex(&lexer);\n"
                                             "\tyywmdestroylexer(&lexer);\n\treturn token;\n}\n";
            dir.write("units.l", "%name scanner\n" + kUnitsSource.substr(0, kUnitsSource.rfind("int main")) +
                                     instanceMain);
            dir.write("echo.l", "%name scanner\n" + kEchoSource.substr(0, kEchoSource.rfind("int main")) +
                                    instanceMain);
        }
        ASSERT_TRUE(buildScanner(dir, "units.l", "units", {"-W", model}));
        ASSERT_TRUE(buildScanner(dir, "echo.l", "echo", {"-W", model}));
        const ProcessResult units = runProgramChecked(dir, "units", kMixedInput);
        EXPECT_EQ(units.out, "w:2\nu:00e9\nu:dcff\nu:dce2\nu:dc82\nnl\nu:d83d\nu:de00\nu:dced\nu:dca0\nu:dc80\nw:1\n"
                             "u:dc80\nu:dcc0\nu:dcaf\nu:dcf0\nu:dc9f\n");
        const ProcessResult echoed = runProgramChecked(dir, "echo", kMixedInput);
        EXPECT_EQ(echoed.out, kMixedInput);
    }
}

// output() holds a high surrogate back until its low half comes; one the
// program wrote alone still goes out when the scan ends (as the three bytes
// a lone surrogate is written as), in the middle or at the very end.
TEST(LexerRuntime, UnicodeOutputKeepsALoneHighSurrogateAtTheEnd)
{
    TemporaryDirectory dir;
    const std::string rules = "%%\n"
                              "[\xf0\x9f\x98\x80-\xf0\x9f\x98\x8f]\toutput(yytext[0]);\n" // U+1F600 to U+1F60F
                              ".|\\n\tECHO;\n"
                              "%%\n";
    const std::string instanceMain = "int main(void)\n{\n\tyywmlexer_t lexer;\n\tint token;\n"
                                     "\tyywmcreatelexer(&lexer, &scanner);\n\ttoken = yywmlex(&lexer);\n"
                                     "\tyywmdestroylexer(&lexer);\n\treturn token;\n}\n";
    for (const std::string model : {"-ms", "-mi"}) {
        SCOPED_TRACE(model);
        dir.write("high.l", model == "-ms" ? rules + "int main(void) { return yylex(); }\n"
                                           : "%name scanner\n" + rules + instanceMain);
        ASSERT_TRUE(buildScanner(dir, "high.l", "high", {"-W", model}));
        EXPECT_EQ(runProgramChecked(dir, "high", "a\xf0\x9f\x98\x80" "b").out, "a\xed\xa0\xbd" "b");
        EXPECT_EQ(runProgramChecked(dir, "high", "a\xf0\x9f\x98\x80").out, "a\xed\xa0\xbd");
    }
}

// A class that names characters beyond U+FFFF holds them whole: a range
// runs over the characters between its ends, and a complement leaves out
// the pair of each character it names.
TEST(LexerRuntime, ClassesBeyondU0000FFFFHoldWholeCharacters)
{
    TemporaryDirectory dir;
    dir.write("beyond.l", "%{\nstatic void show(int rule)\n{\n\tint i;\n\tprintf(\"%d:\", rule);\n"
                          "\tfor (i = 0; i < yyleng; i++)\n\t\tprintf(\" %04x\", (unsigned) yytext[i]);\n"
                          "\tprintf(\"\\n\");\n}\n%}\n%%\n"
                          "[\xf0\x9f\x98\x80-\xf0\x9f\x98\x82]\tshow(1);\n" // U+1F600 to U+1F602
                          "[a-\xf0\x90\x80\x80]\tshow(2);\n"                  // 'a' to U+10000
                          "[^\xf0\x9f\x98\x83\\n]\tshow(3);\n"                // all but U+1F603
                          ".|\\n\tshow(4);\n"
                          "%%\nint main(void) { return yylex(); }\n");
    ASSERT_TRUE(buildScanner(dir, "beyond.l", "beyond", {"-W"}));
    // U+1F600, U+1F601, U+1F602, '-', U+10000, U+4E2D, U+1F603, U+10FFFF.
    // U+1F603, which no class holds, falls to '.', which takes one code
    // unit; its low half is then a unit of the range of rule 2.
    const ProcessResult run = runProgramChecked(
        dir, "beyond",
        "\xf0\x9f\x98\x80\xf0\x9f\x98\x81\xf0\x9f\x98\x82-\xf0\x90\x80\x80\xe4\xb8\xad"
        "\xf0\x9f\x98\x83\xf4\x8f\xbf\xbf\n");
    EXPECT_EQ(run.out, "1: d83d de00\n1: d83d de01\n1: d83d de02\n3: 002d\n2: d800 dc00\n2: 4e2d\n"
                       "4: d83d\n2: de03\n3: dbff dfff\n4: 000a\n");
    // The complement of every character beyond U+FFFF holds none of them,
    // though what it leaves of them is empty.
    dir.write("none.l", "%{\nstatic void show(int rule)\n{\n\tint i;\n\tprintf(\"%d:\", rule);\n"
                        "\tfor (i = 0; i < yyleng; i++)\n\t\tprintf(\" %04x\", (unsigned) yytext[i]);\n"
                        "\tprintf(\"\\n\");\n}\n%}\n%%\n"
                        "[^\xf0\x90\x80\x80-\xf4\x8f\xbf\xbf]+\tshow(1);\n" // all but U+10000 to U+10FFFF
                        ".\tshow(2);\n"
                        "%%\nint main(void) { return yylex(); }\n");
    ASSERT_TRUE(buildScanner(dir, "none.l", "none", {"-W"}));
    EXPECT_EQ(runProgramChecked(dir, "none", "ab\xf0\x9f\x98\x80" "c").out, "1: 0061 0062\n2: d83d\n1: de00 0063\n");
}

TEST(LexerRuntime, ATokenPastTheTextMaximumIsReportedAndSplitWithoutLoss)
{
    TemporaryDirectory dir;
    const std::string source = "%%\n[a-z]+\t{ printf(\"w:%s\\n\", yytext); }\n\\n\t;\n%%\n"
                               "int main(void) { return yylex(); }\n";
    dir.write("words.l", source);
    dir.write("instance.l", "%name scanner\n" + source.substr(0, source.rfind("int main")) +
                                "int main(void)\n{\n\tyymlexer_t lexer;\n\tyymcreatelexer(&lexer, &scanner);\n"
                                "\tyymlex(&lexer);\n\tyymdestroylexer(&lexer);\n\treturn 0;\n}\n");
    // The program's own getchar hook takes the scan the general way.
    dir.write("hooked.l", source.substr(0, source.rfind("int main")) +
                              "int yygetchar(void) { return getchar(); }\nint main(void) { return yylex(); }\n");
    const std::string limits = "-DYYTEXT_SIZE=2 -DYYTEXT_MAX=8";
    ASSERT_TRUE(buildScanner(dir, "words.l", "words", {}, limits));
    ASSERT_TRUE(buildScanner(dir, "instance.l", "instance", {"-mi"}, limits));
    ASSERT_TRUE(buildScanner(dir, "hooked.l", "hooked", {}, limits));
    // A token of exactly the maximum fits: only one that would pass it
    // overflows, at the end of the input too.
    for (const std::string program : {"words", "instance", "hooked"}) {
        const ProcessResult run = runProgramChecked(dir, program, "abcdefghijklmnopqrst\nab\nabcdefgh\nstuvwxyz");
        EXPECT_EQ(run.out, "w:abcdefgh\nw:ijklmnop\nw:qrst\nw:ab\nw:abcdefgh\nw:stuvwxyz\n") << program;
        EXPECT_EQ(run.err, "lex text buffer overflow\nlex text buffer overflow\n") << program;
    }
}

// The token loop takes tokens as long as the text buffer, the one place
// past them that holds the closing 0 included, and writes nothing beyond:
// the engine is compiled in with the address checker, which watches the
// static buffer that a maximum keeps the text in, and the heap buffer of
// 16 it grows into without one. Words of every length around both sizes,
// ended by a newline, a blank or the end of the input, after short words
// that make every transition of the long ones known, so that the token
// loop, not the general way, meets the long ones.
TEST(LexerRuntime, TokensAsLongAsTheTextBufferAreTakenWholeAndNothingPastItIsWritten)
{
    TemporaryDirectory dir;
    dir.write("words.l", "%%\n[a-z]+\tprintf(\"w:%d:%s\\n\", yyleng, yytext);\n\" \"|\\n\t;\n"
                         "%%\nint main(void) { return yylex(); }\n");
    const std::string checked = " -fsanitize=address -fno-omit-frame-pointer " YL_LEXER_INCLUDE_DIR "/yylex.c";
    ASSERT_TRUE(buildScanner(dir, "words.l", "bounded", {}, "-DYYTEXT_SIZE=8 -DYYTEXT_MAX=8" + checked));
    ASSERT_TRUE(buildScanner(dir, "words.l", "growing", {}, "-DYYTEXT_SIZE=8" + checked));
    const std::string letters = "abcdefghijklmnopqr";
    std::string input, bounded, growing;
    for (std::size_t k = 1; k < letters.size(); ++k) {
        const std::string word = std::string("a") + letters[k];
        input += word + " ";
        bounded += "w:2:" + word + "\n";
        growing += "w:2:" + word + "\n";
    }
    int overflows = 0;
    for (std::size_t length = 6; length <= 17; ++length) {
        for (const char* end : {"\n", " "}) {
            const std::string word = letters.substr(0, length);
            input += word + end;
            growing += "w:" + std::to_string(length) + ":" + word + "\n";
            // Past the maximum the word comes in pieces of 8, each piece
            // after the first reported.
            for (std::size_t at = 0; at < length; at += 8) {
                const std::string piece = word.substr(at, 8);
                bounded += "w:" + std::to_string(piece.size()) + ":" + piece + "\n";
                overflows += at > 0;
            }
        }
    }
    for (const std::string& last : {std::string("abcdefg"), std::string("abcdefgh")}) {
        SCOPED_TRACE(last);
        const std::string tail = "w:" + std::to_string(last.size()) + ":" + last + "\n";
        const ProcessResult bound = runProgram(dir, "bounded", input + last);
        EXPECT_EQ(bound.exitStatus, 0) << bound.err;
        EXPECT_EQ(bound.out, bounded + tail);
        std::string reports;
        for (int k = 0; k < overflows; ++k)
            reports += "lex text buffer overflow\n";
        EXPECT_EQ(bound.err, reports);
        const ProcessResult grown = runProgram(dir, "growing", input + last);
        EXPECT_EQ(grown.exitStatus, 0) << grown.err;
        EXPECT_EQ(grown.out, growing + tail);
    }
}

// A program that gives the scanner new input after the end of the last
// starts it at the beginning of a line, though the last ended without a
// newline.
TEST(LexerRuntime, InputGivenAfterTheEndStartsALine)
{
    TemporaryDirectory dir;
    dir.write("second", "#x#\n#");
    dir.write("lines.l", "%%\n^\"#\"\t{ printf(\"1:%s\\n\", yytext); }\n.\t{ printf(\"2:%s\\n\", yytext); }\n"
                         "\\n\t;\n%%\nint main(void)\n{\n\twhile (yylex() != 0) {\n\t}\n"
                         "\tyyin = fopen(\"second\", \"r\");\n\twhile (yylex() != 0) {\n\t}\n\treturn 0;\n}\n");
    ASSERT_TRUE(buildScanner(dir, "lines.l", "lines", {}));
    EXPECT_EQ(runProgramChecked(dir, "lines", "a#").out, "2:a\n2:#\n1:#\n2:x\n2:#\n1:#\n");
}

// The same when an end-of-file rule runs: whether its action gives the
// new input itself or ends the scan, after which the program does.
TEST(LexerRuntime, InputGivenAfterAnEndOfFileRuleStartsALine)
{
    TemporaryDirectory dir;
    dir.write("second", "#x#\n#");
    const std::string rules = "%%\n^\"#\"\t{ printf(\"1:%s\\n\", yytext); }\n.\t{ printf(\"2:%s\\n\", yytext); }\n"
                              "\\n\t;\n";
    const std::string mainProgram = "%%\nint main(void)\n{\n\twhile (yylex() != 0) {\n\t}\n"
                                    "\tyyin = fopen(\"second\", \"r\");\n\twhile (yylex() != 0) {\n\t}\n"
                                    "\treturn 0;\n}\n";
    dir.write("ended.l", rules + "<<EOF>>\t{ yyterminate(); }\n" + mainProgram);
    dir.write("given.l", "%{\nstatic int given;\n%}\n" + rules +
                             "<<EOF>>\t{ if (given++ == 0) yyin = fopen(\"second\", \"r\"); else yyterminate(); }\n" +
                             "%%\nint main(void)\n{\n\twhile (yylex() != 0) {\n\t}\n\treturn 0;\n}\n");
    for (const char* name : {"ended", "given"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(buildScanner(dir, std::string(name) + ".l", name, {}));
        EXPECT_EQ(runProgramChecked(dir, name, "a#").out, "2:a\n2:#\n1:#\n2:x\n2:#\n1:#\n");
    }
}

// And when an action's input() finds the end: what it gives back there
// starts a line, as flex has it. A character that input() does find
// decides as it always did.
TEST(LexerRuntime, TextGivenBackAfterInputFoundTheEndStartsALine)
{
    TemporaryDirectory dir;
    dir.write("ahead.l", "%%\nbc\t{ int c = input(); printf(\"[bc %s]\", c == EOF ? \"end\" : \"char\"); unput('a'); }\n"
                         "^a\tprintf(\"[^a]\");\na\tprintf(\"[a]\");\n.|\\n\tprintf(\"[%c]\", yytext[0]);\n"
                         "%%\nint main(void) { while (yylex() != 0) {} printf(\"\\n\"); return 0; }\n");
    const std::vector<std::string> forms[] = {{}, {"-s"}, {"-W"}, {"-W", "-s"}};
    for (const std::vector<std::string>& form : forms) {
        SCOPED_TRACE(form.empty() ? "fast" : form.front() + form.back());
        ASSERT_TRUE(buildScanner(dir, "ahead.l", "ahead", form));
        EXPECT_EQ(runProgramChecked(dir, "ahead", "bc").out, "[bc end][^a]\n");
        EXPECT_EQ(runProgramChecked(dir, "ahead", "xbc").out, "[x][bc end][^a]\n");
        EXPECT_EQ(runProgramChecked(dir, "ahead", "bcd").out, "[bc char][a]\n");
        EXPECT_EQ(runProgramChecked(dir, "ahead", "bc\n").out, "[bc char][^a]\n");
    }
}

// Text given back is scanned at the line start it stands at, not at the
// one the whole match ended with: y again at the start of its line after
// yyless(0), and x after the newline that yyless(1) keeps.
TEST(LexerRuntime, TextGivenBackIsScannedAtTheLineStartItStandsAt)
{
    TemporaryDirectory dir;
    dir.write("bol.l", "%{\nstatic int again;\n%}\n%%\n\\nx\t{ printf(\"1:%s\\n\", yytext); yyless(1); }\n"
                       "^y\t{ printf(\"2:%s\\n\", yytext); if (!again++) yyless(0); }\n"
                       "^x\t{ printf(\"3:%s\\n\", yytext); }\n.\t{ printf(\"4:%s\\n\", yytext); }\n\\n\t;\n"
                       "%%\nint main(void)\n{\n\twhile (yylex() != 0) {\n\t}\n\treturn 0;\n}\n");
    for (const std::vector<std::string>& switches : {std::vector<std::string>{}, {"-s"}, {"-r"}}) {
        SCOPED_TRACE(switches.empty() ? "" : switches.front());
        ASSERT_TRUE(buildScanner(dir, "bol.l", "bol", switches));
        EXPECT_EQ(runProgramChecked(dir, "bol", "y\na\nx\n").out, "2:y\n2:y\n4:a\n1:\nx\n3:x\n");
    }
}

// yyless(0) gives back all of a yymore() text, so what is scanned again
// starts where the text's first piece did: at the start of a line here,
// where ^x matches again, though the last piece (y) began inside it.
TEST(LexerRuntime, YylessZeroGivesBackAYymoreTextWhereItsFirstPieceBegan)
{
    TemporaryDirectory dir;
    dir.write("bol.l", "%{\nstatic int again;\n%}\n%%\n^x\t{ printf(\"1:%s\\n\", yytext); yymore(); }\n"
                       "y\t{ printf(\"2:%s\\n\", yytext); if (!again++) yyless(0); }\n"
                       "x\t{ printf(\"3:%s\\n\", yytext); }\n\\n\t;\n%%\nint main(void)\n{\n"
                       "\twhile (yylex() != 0) {\n\t}\n\treturn 0;\n}\n");
    ASSERT_TRUE(buildScanner(dir, "bol.l", "bol", {}));
    EXPECT_EQ(runProgramChecked(dir, "bol", "xy\n").out, "1:x\n2:xy\n1:x\n2:xy\n");
}

// An action may scan a token of its own. When that scan is the one whose
// transition cache gives up, the token loop of the outer scan, which goes
// on after the action, must not read the cache it was using. Each size of
// the cache gives up at another token, some of them within the second
// nested scan; the action that reads the character after a number leaves
// nothing given back, so the outer loop does go on.
TEST(LexerRuntime, ActionsScanningTokensOfTheirOwnSurviveTheCacheGivingUp)
{
    TemporaryDirectory dir;
    dir.write("nested.l", "%%\n"
                          "\"<\"\t{ int inner = yylex(); printf(\"nested %d:%s\\n\", inner, yytext); }\n"
                          "[a-z]+\t{ printf(\"w:%s\\n\", yytext); return 1; }\n"
                          "[0-9]+\t{ printf(\"n:%s\\n\", yytext); (void) input(); return 2; }\n"
                          "[-+*/]\t{ printf(\"o:%s\\n\", yytext); }\n"
                          "[ \\n]\t;\n"
                          "%%\n"
                          "int main(void)\n{\n\tint t;\n\twhile ((t = yylex()) != 0)\n\t\tprintf(\"t%d\\n\", t);\n"
                          "\treturn 0;\n}\n");
    const std::string input = "ab < cd < + 12 ef gh < 34 - / 56 xy\n";
    const std::string expected = "w:ab\nt1\nw:cd\nnested 1:cd\no:+\nn:12\nnested 2:12\nw:ef\nt1\nw:gh\nt1\n"
                                 "n:34\nnested 2:34\no:-\no:/\nn:56\nt2\nw:xy\nt1\n";
    ASSERT_TRUE(buildScanner(dir, "nested.l", "nested", {}));
    EXPECT_EQ(runProgramChecked(dir, "nested", input).out, expected);
    for (int rows = 2; rows <= 9; ++rows) {
        const std::string program = "nested" + std::to_string(rows);
        ASSERT_TRUE(buildScanner(dir, "nested.l", program, {},
                                 "-D_POSIX_C_SOURCE=200809L -DYYLCACHEROWS=" + std::to_string(rows) +
                                     " " YL_LEXER_INCLUDE_DIR "/yylex.c"));
        EXPECT_EQ(runProgramChecked(dir, program, input).out, expected) << rows << " rows";
    }
}

// REJECT in an end-of-file rule has no other rule to go on to; it must
// not reach the first action that runs once the program gives more input.
TEST(LexerRuntime, RejectAtTheEndDoesNotReachTheNextInput)
{
    TemporaryDirectory dir;
    dir.write("second", "cd ef\n");
    dir.write("ends.l", "%%\n"
                        "<<EOF>>\t{ printf(\"eof\\n\"); REJECT; }\n"
                        "[a-z]+\t{ printf(\"w:%s\\n\", yytext); return 1; }\n"
                        "[a-z]\t{ printf(\"c:%s\\n\", yytext); return 2; }\n"
                        "[ \\n]\t;\n"
                        "%%\nint main(void)\n{\n\tint t;\n\twhile ((t = yylex()) != 0)\n\t\tprintf(\"t%d\\n\", t);\n"
                        "\tyyin = fopen(\"second\", \"r\");\n"
                        "\twhile ((t = yylex()) != 0)\n\t\tprintf(\"t%d\\n\", t);\n\treturn 0;\n}\n");
    const std::string expected = "w:ab\nt1\neof\nw:cd\nt1\nw:ef\nt1\neof\n";
    ASSERT_TRUE(buildScanner(dir, "ends.l", "ends", {}));
    EXPECT_EQ(runProgramChecked(dir, "ends", "ab\n").out, expected);
    ASSERT_TRUE(buildScanner(dir, "ends.l", "ends_compact", {"-s"}));
    EXPECT_EQ(runProgramChecked(dir, "ends_compact", "ab\n").out, expected);
}

// A start state from which no character leads on (a condition whose
// rules all begin with "^", in the middle of a line; an exclusive
// condition with only an end-of-file rule) still reads on to find the
// end of the input, and the scan ends there as flex's does.
TEST(LexerRuntime, AStartStateThatNothingLeavesStillReachesTheEndOfInput)
{
    TemporaryDirectory dir;
    const std::string main = "%%\nint main(void) { while (yylex() != 0) {} printf(\"done\\n\"); return 0; }\n";
    dir.write("anchored.l", "%%\n^a\tprintf(\"[A]\");\n" + main);
    dir.write("exclusive.l", "%x X\n%%\na\tBEGIN X;\n<X><<EOF>>\t{ printf(\"eof in X\\n\"); return 0; }\n" + main);
    const std::vector<std::string> forms[] = {{}, {"-s"}, {"-W"}, {"-W", "-s"}, {"-R", "-S"}};
    for (const std::vector<std::string>& form : forms) {
        SCOPED_TRACE(form.empty() ? "fast" : form.back());
        ASSERT_TRUE(buildScanner(dir, "anchored.l", "anchored", form));
        ASSERT_TRUE(buildScanner(dir, "exclusive.l", "exclusive", form));
        const std::pair<const char*, const char*> runs[] = {
            {"anchored", "a"}, {"anchored", "ba"}, {"anchored", "a\na"}, {"exclusive", "a"}, {"exclusive", "ba"}};
        const char* outputs[] = {"[A]done\n", "badone\n", "[A]\n[A]done\n", "eof in X\ndone\n", "beof in X\ndone\n"};
        for (std::size_t k = 0; k < std::size(runs); ++k) {
            dir.write("input.txt", runs[k].second);
            const ProcessResult run = shell(std::string("timeout 10 ./") + runs[k].first + " < input.txt", dir.path());
            EXPECT_EQ(run.out, outputs[k]) << runs[k].first << " on " << runs[k].second;
            EXPECT_EQ(run.exitStatus, 0);
        }
    }
}

// A token that no character can make longer is acted on as soon as it is
// read: a scanner reading a terminal answers a line when it ends, not when
// the next one comes. Through the stream's buffer and through the
// program's own getchar, in both table forms, both widths and the object
// model.
TEST(LexerRuntime, ATokenNothingCanExtendIsActedOnWithoutWaitingForMoreInput)
{
    struct Form {
        const char* name;
        std::vector<std::string> switches;
        std::string code;
    };
    const std::string rules = "%%\n[a-z]+\tprintf(\"[word %d]\\n\", (int) yyleng);\n"
                              "\\n\tprintf(\"[newline %d]\\n\", yylineno);\n%%\n";
    const std::string main = "int main(void) { while (yylex() != 0) {} return 0; }\n";
    const std::string ownGetchar = "int yygetchar(void) { return getc(yyin != NULL ? yyin : stdin); }\n";
    const std::string instanceMain = "int main(void)\n{\n\tyymlexer_t lexer;\n"
                                     "\tyymcreatelexer(&lexer, &scanner);\n\twhile (yymlex(&lexer) != 0) {\n\t}\n"
                                     "\tyymdestroylexer(&lexer);\n\treturn 0;\n}\n";
    const Form forms[] = {
        {"fast", {}, rules + main},
        {"compact", {"-s"}, rules + main},
        {"own getchar", {}, rules + ownGetchar + main},
        {"own getchar, compact", {"-s"}, rules + ownGetchar + main},
        {"unicode", {"-W"}, rules + main},
        {"instance", {"-mi"}, "%name scanner\n" + rules + instanceMain},
    };
    TemporaryDirectory dir;
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        dir.write("lines.l", form.code);
        ASSERT_TRUE(buildScanner(dir, "lines.l", "lines", form.switches));
        toolframe::testing::ProcessSetup setup;
        setup.workingDirectory = dir.path();
        toolframe::testing::TerminalSession session(dir.path() + "/lines", {}, setup);
        session.send("ab\n");
        EXPECT_TRUE(session.readUntil("[newline 2]", std::chrono::seconds(5))) << session.output();
        session.send("cde\n");
        EXPECT_TRUE(session.readUntil("[newline 3]", std::chrono::seconds(5))) << session.output();
        session.send("\x04");
        EXPECT_EQ(session.finish(), 0);
        EXPECT_NE(session.output().find("[word 2]\n[newline 2]\n"), std::string::npos) << session.output();
        EXPECT_NE(session.output().find("[word 3]\n[newline 3]\n"), std::string::npos) << session.output();
    }
}

// The program reads its own string through input and unput macros, which
// the scanner then uses for every character, backing up included.
const std::string kOwnInputSource = "%{\n"
                                    "static const char *text = \"abcab 12abc\";\n"
                                    "static int position, back;\n"
                                    "static int pushed[64];\n"
                                    "#define input() (back > 0 ? pushed[--back] : text[position] ? "
                                    "text[position++] : EOF)\n"
                                    "#define unput(c) (pushed[back++] = (c))\n"
                                    "%}\n"
                                    "%%\n"
                                    "abcd\t{ printf(\"1:%s\\n\", yytext); }\n"
                                    "ab\t{ printf(\"2:%s\\n\", yytext); }\n"
                                    "[a-z]\t{ printf(\"3:%s\\n\", yytext); }\n"
                                    "[0-9]+\t{ printf(\"4:%s\\n\", yytext); }\n"
                                    "\" \"\t;\n"
                                    "%%\n";

TEST(LexerRuntime, ReadsThroughTheProgramsOwnInputAndUnput)
{
    TemporaryDirectory dir;
    dir.write("single.l", kOwnInputSource + "int main(void) { return yylex(); }\n");
    dir.write("multiple.l", "%name scanner\n" + kOwnInputSource + "int main(void) { return yymlex(&scanner); }\n");
    ASSERT_TRUE(buildScanner(dir, "single.l", "single", {}));
    ASSERT_TRUE(buildScanner(dir, "multiple.l", "multiple", {"-mm"}));
    const std::string expected = "2:ab\n3:c\n2:ab\n4:12\n2:ab\n3:c\n";
    EXPECT_EQ(runProgram(dir, "single", "ignored").out, expected);
    EXPECT_EQ(runProgram(dir, "multiple", "ignored").out, expected);
}

// A program that reads through its own getchar hook keeps it for every
// character: the library must not read the stream around it. The multiple
// model changes the object's hook between two tokens.
const std::string kOwnGetcharRules = "%%\n"
                                     "[a-z]+\t{ printf(\"w:%s:%d\\n\", yytext, yylineno); }\n"
                                     "[0-9]+\t{ printf(\"n:%s:%d\\n\", yytext, yylineno); }\n"
                                     "[ \\n]\t;\n"
                                     "%%\n"
                                     "static const char *text = \"ab 12\\ncd 34\";\n"
                                     "static int position;\n";

TEST(LexerRuntime, ReadsThroughTheProgramsOwnGetchar)
{
    TemporaryDirectory dir;
    dir.write("single.l", kOwnGetcharRules +
                              "int yygetchar(void) { return text[position] ? text[position++] : EOF; }\n"
                              "int main(void) { return yylex(); }\n");
    dir.write("multiple.l", "%name scanner\n" + kOwnGetcharRules +
                                "static int own(yymlexer_t *yy) { (void) yy; "
                                "return text[position] ? text[position++] : EOF; }\n"
                                "int main(void)\n{\n"
                                "\tyymlexer_t lexer;\n\tint token;\n"
                                "\tyymcreatelexer(&lexer, &scanner);\n"
                                "\tlexer.yymgetchar = own;\n"
                                "\ttoken = yymlex(&lexer);\n"
                                "\tyymdestroylexer(&lexer);\n\treturn token;\n}\n");
    ASSERT_TRUE(buildScanner(dir, "single.l", "single", {}));
    ASSERT_TRUE(buildScanner(dir, "multiple.l", "multiple", {"-mi"}));
    const std::string expected = "w:ab:1\nn:12:1\nw:cd:2\nn:34:2\n";
    EXPECT_EQ(runProgramChecked(dir, "single", "zz 99\n").out, expected);
    EXPECT_EQ(runProgramChecked(dir, "multiple", "zz 99\n").out, expected);
}

// An action that points yyin at another file reads that file from the
// next character on, and the first file goes on where its last token
// ended once yywrap() points back to it: the scanner holds back nothing
// that it read from a stream past the token.
const std::string kIncludeRules =
    "%{\nstatic FILE *outer;\n%}\n"
    "%%\n"
    "\"#include\"\t{ outer = yyin; yyin = fopen(\"inner.txt\", \"r\"); if (yyin == NULL) return 1; }\n"
    "[a-z]+\t{ printf(\"w:\"); ECHO; printf(\":%d\\n\", yylineno); }\n"
    "[ \\n]\t;\n"
    "%%\n"
    "int yywrap(void)\n{\n\tif (outer == NULL)\n\t\treturn 1;\n"
    "\tfclose(yyin);\n\tyyin = outer;\n\touter = NULL;\n\treturn 0;\n}\n"
    "int main(void) { return yylex(); }\n";

TEST(LexerRuntime, AnActionThatSwitchesTheInputStreamReadsEachStreamWhereItStands)
{
    TemporaryDirectory dir;
    dir.write("include.l", kIncludeRules);
    dir.write("inner.txt", "in\nner\n");
    ASSERT_TRUE(buildScanner(dir, "include.l", "include", {}));
    ASSERT_TRUE(buildScanner(dir, "include.l", "include_compact", {"-s", "-W"}));
    const std::string expected = "w:ab:1\nw:in:1\nw:ner:2\nw:cd:3\nw:ef:4\n";
    EXPECT_EQ(runProgramChecked(dir, "include", "ab #include cd\nef\n").out, expected);
    EXPECT_EQ(runProgramChecked(dir, "include_compact", "ab #include cd\nef\n").out, expected);
}

// The character after a token stays in the stream when no transition
// takes it, whatever its encoding and wherever it lies: inside the
// stream's buffer, or in the next read of a pipe, which the scanner waits
// for because "@" may go on to "@@". A program that reads the stream
// after the scanner returns reads on from the token's end. (A UTF-8
// sequence cut short by the end of the input is read through the stream,
// as the README says, so the cut one here has a byte after it.)
TEST(LexerRuntime, ACharacterPastTheTokenThatNoTransitionTakesStaysInTheStream)
{
    TemporaryDirectory dir;
    const std::string rules = "%%\n\"@\"\t{ return 1; }\n\"@@\"\t{ return 2; }\n.|\\n\t{ }\n%%\n"
                              "static void rest(int token, FILE *in)\n{\n\tint c;\n\tprintf(\"%d:\", token);\n"
                              "\twhile ((c = getc(in != NULL ? in : stdin)) != EOF)\n\t\tprintf(\" %02x\", c);\n"
                              "\tprintf(\"\\n\");\n}\n";
    dir.write("rest.l", rules + "int main(void) { rest(yylex(), yyin); return 0; }\n");
    for (const std::string prefix : {"yym", "yywm"})
        dir.write(prefix + ".l", "%name scanner\n" + rules + "int main(void)\n{\n\t" + prefix + "lexer_t lexer;\n\t" +
                                     prefix + "createlexer(&lexer, &scanner);\n\trest(" + prefix +
                                     "lex(&lexer), lexer.yymin);\n\t" + prefix +
                                     "destroylexer(&lexer);\n\treturn 0;\n}\n");
    struct Form {
        const char* name;
        const char* source;
        std::vector<std::string> switches;
    };
    const Form forms[] = {{"bytes", "rest.l", {}},
                          {"bytes_compact", "rest.l", {"-s"}},
                          {"bytes_instances", "yym.l", {"-mi"}},
                          {"wide", "rest.l", {"-W"}},
                          {"wide_compact", "rest.l", {"-W", "-s"}},
                          {"wide_instances", "yywm.l", {"-W", "-mi"}}};
    const std::pair<std::string, std::string> inputs[] = {
        {"x", " 78"},
        {"\xc3\xa9 c", " c3 a9 20 63"},
        {"\xf0\x9f\x98\x80!", " f0 9f 98 80 21"},
        {"\xff\x80z", " ff 80 7a"},
        {"\xe2\x82z", " e2 82 7a"},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        ASSERT_TRUE(buildScanner(dir, form.source, form.name, form.switches));
        for (const auto& [after, rest] : inputs) {
            SCOPED_TRACE(after);
            EXPECT_EQ(runProgramChecked(dir, form.name, "ab@" + after).out, "1:" + rest + "\n");
            dir.write("after", after);
            EXPECT_EQ(shell("(printf 'ab@'; sleep 0.3; cat after) | ./" + std::string(form.name), dir.path()).out,
                      "1:" + rest + "\n");
        }
    }
}

// A Unicode scanner's translation table maps code units, whether the
// table writes a character as itself or as an escape: each rule below is
// written with the character that the table turns into the letter given
// in its action. "." is translated too, so the characters the table
// moves away are left to the default rule, which echoes them.
TEST(LexerRuntime, AUnicodeScannersTableTranslatesCodeUnitsHoweverTheyAreWritten)
{
    TemporaryDirectory dir;
    dir.write("table.l", "%table\n65 \"x\" 67 \"\\xe9\" 68 \"\\x263a\" 69 \"\xc3\xbc\" 70 \"\\101\"\n%table\n%%\n"
                         "x\tprintf(\"[A]\");\n\xc3\xa9\tprintf(\"[C]\");\n\xe2\x98\xba\tprintf(\"[D]\");\n"
                         "\\xfc\tprintf(\"[E]\");\nA\tprintf(\"[F]\");\n.|\\n\tprintf(\"<%x>\", (unsigned) yytext[0]);\n%%\n"
                         "int main(void) { while (yylex() != 0) {} return 0; }\n");
    for (const std::vector<std::string>& switches : {std::vector<std::string>{"-W"}, {"-W", "-s"}}) {
        SCOPED_TRACE(switches.back());
        ASSERT_TRUE(buildScanner(dir, "table.l", "table", switches));
        EXPECT_EQ(runProgramChecked(dir, "table", "xACDEF\xc3\xa9\xe2\x98\xba\xc3\xbc\n").out,
                  "x[A][C][D][E][F]\xc3\xa9\xe2\x98\xba\xc3\xbc<a>");
    }
}

// The calculator NAME.y and its scanner NAMElex.l from the linking
// directory, generated with the switches given and linked into the
// program NAME.
::testing::AssertionResult buildCalculator(const TemporaryDirectory& dir, const std::string& name,
                                           const std::string& parserSwitches, const std::string& scannerSwitches,
                                           const std::string& flags, bool unicode)
{
    const std::string linking = std::string(LINKING_DIR) + "/";
    dir.write(name + ".y", readFile(linking + name + ".y"));
    dir.write(name + "lex.l", readFile(linking + name + "lex.l"));
    const std::string command = toolframe::testing::quoted(BRANNOCK_PROGRAM) + " " + name + ".y -$" + parserSwitches +
                                " && " + toolframe::testing::quoted(lindle::testing::kProgram) + " " + name +
                                "lex.l -$" + scannerSwitches + " && gcc -Wall -Werror" + flags + kRuntimeIncludes +
                                " " + name + ".c " + name + "lex.c " + lindle::testing::runtimeLibrary(unicode) +
                                " -o " + name;
    const ProcessResult built = shell(command, dir.path());
    if (built.exitStatus != 0)
        return ::testing::AssertionFailure() << command << "\n" << built.out << built.err;
    return ::testing::AssertionSuccess();
}

TEST(LexerRuntime, ABrannockParserTakesItsTokensFromALindleScanner)
{
    for (const bool unicode : {false, true}) {
        SCOPED_TRACE(unicode ? "unicode" : "bytes");
        TemporaryDirectory dir;
        const std::string wide = unicode ? " -W" : "";
        ASSERT_TRUE(buildCalculator(dir, "calc", " -i" + wide, wide, "", unicode));
        EXPECT_EQ(runProgramChecked(dir, "calc", "1 + 2 + 39\n7\n").out, "42\n7\n");
    }
}

// A parser object takes its tokens from the scanner object in its
// yymlexerptr, and the scanner gives each value to the parser object in
// its yymparserptr: both objects as generated (-mm) and as instances made
// from them (-mi), in both widths, with no yylex() anywhere.
TEST(LexerRuntime, AParserObjectTakesItsTokensFromAScannerObject)
{
    struct Combination {
        const char* switches;
        const char* flags;
        bool unicode;
    };
    for (const Combination& c : {Combination{" -mm", "", false}, Combination{" -mi", " -DINSTANCES", false},
                                 Combination{" -mm -W", "", true}, Combination{" -mi -W", " -DINSTANCES", true}}) {
        SCOPED_TRACE(c.switches);
        TemporaryDirectory dir;
        const std::string switches = std::string(" -i") + c.switches;
        ASSERT_TRUE(buildCalculator(dir, "calcm", switches, switches, c.flags, c.unicode));
        EXPECT_EQ(runProgramChecked(dir, "calcm", "1 + 2 + 39\n7\n").out, "42\n7\n");
    }
}

// A code block right after %name comes after the object's declaration,
// so that it may use the object.
TEST(LexerRuntime, ACodeBlockAfterTheNameSeesTheScannerObject)
{
    TemporaryDirectory dir;
    dir.write("named.l", "%name scanner\n"
                         "%{\n"
                         "static int scanned(void) { return scanner.yymlineno; }\n"
                         "%}\n"
                         "%%\n"
                         "\\n\t;\n"
                         "%%\n"
                         "int main(void) { yymlex(&scanner); return scanned() == 3 ? 0 : 1; }\n");
    ASSERT_TRUE(buildScanner(dir, "named.l", "named", {"-mm"}));
    EXPECT_EQ(runProgram(dir, "named", "\n\n").exitStatus, 0);
}

} // namespace
