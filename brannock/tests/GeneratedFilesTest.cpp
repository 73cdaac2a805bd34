#include <gtest/gtest.h>

#include <filesystem>

#include "BrannockRun.h"

using brannock::testing::runBrannock;
using brannock::testing::kGrammar;
using toolframe::testing::TemporaryDirectory;

// The framing of every generated file: banner, include guard, library
// include and the preambles, for each target.
namespace {

std::string banner(const std::string& file, const std::string& kind, const std::string& grammar)
{
    return "/****************************************************************************\n"
           "* " + file + "\n"
           "* " + kind + " generated from " + grammar + ".\n"
           "* \n"
           "* Date: 01/01/70\n"
           "* Time: 00:00:00\n"
           "* \n"
           "* Brannock Version: 2.07\n"
           "****************************************************************************/\n"
           "\n";
}

std::string cPreamble(const std::string& header, const std::string& tables = "YYFASTPARSER")
{
    return header + "\n"
           "/* namespaces */\n"
           "#if defined(__cplusplus) && defined(YYSTDCPPLIB)\n"
           "using namespace std;\n"
           "#endif\n"
           "#if defined(__cplusplus) && defined(YYNAMESPACE)\n"
           "using namespace yl;\n"
           "#endif\n"
           "\n"
           "#define " + tables + "\n"
           "\n";
}

std::string cppPreamble(const std::string& header)
{
    return header + "\n"
           "// namespaces\n"
           "#ifdef YYSTDCPPLIB\n"
           "using namespace std;\n"
           "#endif\n"
           "#ifdef YYNAMESPACE\n"
           "using namespace yl;\n"
           "#endif\n"
           "\n";
}

const char* const kCRepeat = "/* repeated because of possible precompiled header */\n";
const char* const kCppRepeat = "// repeated because of possible precompiled header\n";

// The framing comes first; what the grammar adds follows it.
::testing::AssertionResult startsWith(const std::string& text, const std::string& prefix)
{
    if (text.compare(0, prefix.size(), prefix) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\n" << text.substr(0, prefix.size() + 40) << "\ndoes not start with\n"
                                         << prefix;
}

class GeneratedFilesTest : public ::testing::Test {
protected:
    GeneratedFilesTest() { directory_.write("g.y", kGrammar); }

    void generate(const std::vector<std::string>& arguments)
    {
        const auto result = runBrannock(directory_, arguments);
        ASSERT_EQ(result.exitStatus, 0) << result.out;
    }

    TemporaryDirectory directory_;
};

} // namespace

TEST_F(GeneratedFilesTest, CSourceAndHeader)
{
    generate({"g.y", "-i"});
    EXPECT_TRUE(startsWith(directory_.read("g.c"), banner("g.c", "C source file", "g.y") +
                                                       cPreamble("#include <yypars.h>\n") + kCRepeat +
                                                       cPreamble("#include <yypars.h>\n") + "#include \"g.h\"\n\n"));
    EXPECT_EQ(directory_.read("g.h"), banner("g.h", "C header file", "g.y") +
                                          "#ifndef _G_H\n#define _G_H\n\n#include <yypars.h>\n\n"
                                          "#define NUMBER 257\n#endif\n");
}

TEST_F(GeneratedFilesTest, CSourceWithoutHeader)
{
    generate({"g.y"});
    EXPECT_TRUE(startsWith(directory_.read("g.c"), banner("g.c", "C source file", "g.y") +
                                                       cPreamble("#include <yypars.h>\n") + kCRepeat +
                                                       cPreamble("#include <yypars.h>\n") + "#define NUMBER 257\n"));
}

TEST_F(GeneratedFilesTest, CLibraryHeaderFollowsModelWidthAndQuotes)
{
    struct Case {
        std::vector<std::string> switches;
        std::string include;
        std::string tables;
    };
    const Case cases[] = {
        {{"-W"}, "#include <yywpars.h>\n", "YYFASTPARSER"},
        {{"-mm"}, "#include <yympars.h>\n", "YYFASTPARSER"},
        {{"-mi", "-W"}, "#include <yywmpars.h>\n", "YYFASTPARSER"},
        {{"-q", "-s"}, "#include \"yypars.h\"\n", "YYCOMPACTPARSER"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"g.y"};
        arguments.insert(arguments.end(), c.switches.begin(), c.switches.end());
        generate(arguments);
        EXPECT_TRUE(startsWith(directory_.read("g.c"), banner("g.c", "C source file", "g.y") +
                                                           cPreamble(c.include, c.tables) + kCRepeat +
                                                           cPreamble(c.include, c.tables)))
            << c.switches[0];
    }
}

TEST_F(GeneratedFilesTest, CppSourceAndHeader)
{
    generate({"g.y", "-Tcpp", "-i", "myparser.h", "-W", "-q"});
    EXPECT_TRUE(startsWith(directory_.read("g.cpp"), banner("g.cpp", "C++ source file", "g.y") +
                                                         cppPreamble("#include \"yywcpars.h\"\n") + kCppRepeat +
                                                         cppPreamble("#include \"yywcpars.h\"\n") +
                                                         "#include \"myparser.h\"\n\n"));
    EXPECT_EQ(directory_.read("myparser.h"),
              banner("myparser.h", "C++ header file", "g.y") +
                  "#ifndef _MYPARSER_H\n#define _MYPARSER_H\n\n#include \"yywcpars.h\"\n\n#define NUMBER 65537\n#endif\n");
}

TEST_F(GeneratedFilesTest, CppHeaderIgnoresTheModel)
{
    generate({"g.y", "-Tcpp", "-mm"});
    EXPECT_NE(directory_.read("g.cpp").find("#include <yycpars.h>\n"), std::string::npos);
}

TEST_F(GeneratedFilesTest, JavaSource)
{
    generate({"g.y", "-Tj"});
    EXPECT_TRUE(startsWith(directory_.read("g.java"), banner("g.java", "Java source file", "g.y") + "import yl.*;\n\n"));
}

TEST_F(GeneratedFilesTest, GrammarNameWithABlankIsQuoted)
{
    directory_.write("my grammar.y", kGrammar);
    generate({"my grammar.y", "-i"});
    const std::string header = directory_.read("my grammar.h");
    EXPECT_EQ(header.substr(0, header.find("* \n")),
              "/****************************************************************************\n"
              "* my grammar.h\n"
              "* C header file generated from \"my grammar.y\".\n");
    EXPECT_NE(header.find("#ifndef _MY_GRAMMAR_H\n#define _MY_GRAMMAR_H\n"), std::string::npos);
    EXPECT_NE(directory_.read("my grammar.c").find("#include \"my grammar.h\"\n\n"), std::string::npos);
}

TEST_F(GeneratedFilesTest, HeaderIncludedAsSeenFromTheSource)
{
    std::filesystem::create_directory(directory_ / "out");
    std::filesystem::create_directory(directory_ / "inc");
    generate({"g.y", "-o", "out/g.c", "-i", "inc/g.h"});
    EXPECT_NE(directory_.read("out/g.c").find("#include \"../inc/g.h\"\n\n"), std::string::npos);
    EXPECT_NE(directory_.read("inc/g.h").find("* g.h\n* C header file generated from g.y.\n"), std::string::npos);
}

TEST_F(GeneratedFilesTest, DateAndTimeComeFromTheClockWithoutAFixedEpoch)
{
    auto setup = brannock::testing::setupIn(directory_);
    setup.environment.clear();
    setup.unsetEnvironment.push_back("SOURCE_DATE_EPOCH");
    ASSERT_EQ(toolframe::testing::runProcess(brannock::testing::kProgram, {"g.y"}, setup).exitStatus, 0);
    EXPECT_EQ(directory_.read("g.c").find("* Date: 01/01/70\n"), std::string::npos);
}

TEST_F(GeneratedFilesTest, NameLikeLiteralIsWrittenByItsConstantInCompactTables)
{
    // As a C character constant 'if' would not have the token's number.
    directory_.write("k.y", "%token 'if' ID\n%%\ns : 'if' ID | ID ;\n");
    const auto result = brannock::testing::runBrannock(directory_, {"k.y", "-s", "-$"});
    ASSERT_EQ(result.exitStatus, 0) << result.out;
    const std::string source = directory_.read("k.c");
    EXPECT_NE(source.find("#define if 257\n"), std::string::npos);
    EXPECT_EQ(source.find("{ 'if',"), std::string::npos);
    EXPECT_NE(source.find("{ if,"), std::string::npos);
}
