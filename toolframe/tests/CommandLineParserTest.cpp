#include "toolframe/run/CommandLineParser.h"

#include <gtest/gtest.h>

#include <vector>

#include "CapturedOutput.h"

using toolframe::CommandLineOutcome;
using toolframe::PageBreak;
using toolframe::RunAborted;
using toolframe::SwitchForm;
using toolframe::SwitchValue;

// A tool of its own, to show that the engine knows nothing of either
// generator: a bounded number, an extension, files and flags.
namespace {

struct TestOptions : toolframe::ToolOptions {
    long range = 1024;
    bool flag = false;
};

using TestSwitch = toolframe::Switch<TestOptions>;

const TestSwitch kSwitches[] = {
    {"-?", "-?", SwitchForm::Ignored, "Display help", [](TestOptions&, const SwitchValue&) {}},
    {"-$", "-$", SwitchForm::Ignored, "No banner", [](TestOptions&, const SwitchValue&) {}},
    {"-L:", "-L:n", SwitchForm::Number, "Range", [](TestOptions& o, const SwitchValue& v) { o.range = v.number; },
     PageBreak::None, 1020, 256, 65536},
    {"-F", "-F", SwitchForm::Flag, "Flag", [](TestOptions& o, const SwitchValue&) { o.flag = true; }},
    {"-e", "-e", SwitchForm::Extension, "Extension, continued\nhere",
     [](TestOptions& o, const SwitchValue& v) { o.outputExtension = std::string(v.text); }, PageBreak::Inside},
    {"-o", "-o", SwitchForm::RequiredFile, "Output",
     [](TestOptions& o, const SwitchValue& v) { o.outputFile = std::string(v.text); }, PageBreak::None, 0, 1, 0,
     1007},
    {"-v", "-v", SwitchForm::OptionalFile, "Verbose",
     [](TestOptions& o, const SwitchValue& v) {
         o.verbose = true;
         if (!v.text.empty())
             o.verboseFile = std::string(v.text);
     },
     PageBreak::None, 0, 1, 0, 1009},
};

const toolframe::MessageText kMessages[] = {{1020, L"invalid range '%d'"}};
const toolframe::HelpLayout kLayout{"Usage: test\n"};

class CommandLineParserTest : public ::testing::Test {
protected:
    CommandLineOutcome parse(std::vector<std::string_view> arguments)
    {
        toolframe::CommandLineParser<TestOptions> parser(kSwitches, kLayout, diagnostics_, out_.file());
        return parser.parse(arguments, options_);
    }

    // The fatal line a command line ends with.
    std::string failure(std::vector<std::string_view> arguments)
    {
        try {
            parse(arguments);
        } catch (const RunAborted&) {
            return out_.text();
        }
        return "accepted";
    }

    CapturedOutput out_;
    toolframe::Diagnostics diagnostics_{'L', toolframe::MessageCatalog(kMessages), out_.file()};
    TestOptions options_;
};

} // namespace

TEST_F(CommandLineParserTest, NoArgumentsGivesTheHint)
{
    EXPECT_EQ(parse({}), CommandLineOutcome::Stop);
    EXPECT_EQ(out_.text(), "To display help specify the -? option\n");
}

TEST_F(CommandLineParserTest, HelpOnlyAsTheSoleArgument)
{
    EXPECT_EQ(parse({"-?"}), CommandLineOutcome::Stop);
    EXPECT_EQ(out_.text(), "Usage: test\n"
                           " -?     Display help\n"
                           " -$     No banner\n"
                           " -L:n   Range\n"
                           " -F     Flag\n"
                           " -e     Extension, continued\n"
                           "        here\n"
                           " -o     Output\n"
                           " -v     Verbose\n");
}

TEST_F(CommandLineParserTest, LongHelpAloneIsTheHelpAnswered)
{
    EXPECT_EQ(parse({"--help"}), CommandLineOutcome::Answered);
    EXPECT_EQ(out_.text().substr(0, 24), "Usage: test\n -?     Disp");
}

TEST_F(CommandLineParserTest, LongHelpAmongOthersIsAnInvalidOption)
{
    EXPECT_EQ(failure({"s.l", "--help"}), "fatal error L1003: invalid option '--help'\n");
}

TEST_F(CommandLineParserTest, LongHelpTwiceIsAnInvalidOption)
{
    EXPECT_EQ(failure({"--help", "--help"}), "fatal error L1003: invalid option '--help'\n");
}

// The driver answers --version alone before the switches are read; here it
// is one argument among others.
TEST_F(CommandLineParserTest, VersionAmongOthersIsAnInvalidOption)
{
    EXPECT_EQ(failure({"--version", "s.l"}), "fatal error L1003: invalid option '--version'\n");
}

TEST_F(CommandLineParserTest, HelpAmongOthersIsIgnored)
{
    EXPECT_EQ(parse({"s.l", "-?", "-$"}), CommandLineOutcome::Run);
    EXPECT_EQ(options_.sourceFile, "s.l");
    EXPECT_EQ(out_.text(), "");
}

TEST_F(CommandLineParserTest, NumberWithinItsRange)
{
    parse({"-L:256"});
    EXPECT_EQ(options_.range, 256);
    parse({"-L:65536"});
    EXPECT_EQ(options_.range, 65536);
}

TEST_F(CommandLineParserTest, NumberOutsideItsRangeNamesTheValue)
{
    EXPECT_EQ(failure({"-L:255"}), "fatal error L1020: invalid range '255'\n");
}

TEST_F(CommandLineParserTest, MalformedNumberIsAnInvalidOption)
{
    for (std::string_view bad : {"-L:", "-L:12a", "-L:-5", "-L: 5", "-L:+5", "-L:99999999999999999999",
                                 "-L:2147483648"}) {
        CapturedOutput out;
        toolframe::Diagnostics diagnostics('L', toolframe::MessageCatalog(kMessages), out.file());
        toolframe::CommandLineParser<TestOptions> parser(kSwitches, kLayout, diagnostics, out.file());
        std::vector<std::string_view> arguments{bad};
        EXPECT_THROW(parser.parse(arguments, options_), RunAborted);
        EXPECT_EQ(out.text(), "fatal error L1003: invalid option '" + std::string(bad) + "'\n");
    }
}

TEST_F(CommandLineParserTest, LargestLongIsNotAnOverflow)
{
    EXPECT_EQ(toolframe::command_line::parseDecimal("2147483647"), 2147483647L);
    EXPECT_EQ(toolframe::command_line::parseDecimal("2147483648"), -1);
    EXPECT_EQ(toolframe::command_line::parseDecimal("007"), 7);
}

TEST_F(CommandLineParserTest, SwitchesMatchExactlyAndCaseSensitively)
{
    EXPECT_EQ(failure({"-f"}), "fatal error L1003: invalid option '-f'\n");
}

TEST_F(CommandLineParserTest, FlagWithTrailingTextIsInvalid)
{
    EXPECT_EQ(failure({"-Fx"}), "fatal error L1003: invalid option '-Fx'\n");
}

TEST_F(CommandLineParserTest, ExtensionDropsOneLeadingDot)
{
    parse({"-e.cpp"});
    EXPECT_EQ(options_.outputExtension, "cpp");
    parse({"-e..x"});
    EXPECT_EQ(options_.outputExtension, ".x");
    parse({"-e"});
    EXPECT_EQ(options_.outputExtension, "");
}

TEST_F(CommandLineParserTest, RequiredFileMissingOrASwitch)
{
    EXPECT_EQ(failure({"s.l", "-o"}), "fatal error L1004: file expected after option '-o'\n");
    options_ = {};
    out_.text();
}

TEST_F(CommandLineParserTest, RequiredFileFollowedByASwitch)
{
    EXPECT_EQ(failure({"-o", "-F", "s.l"}), "fatal error L1004: file expected after option '-o'\n");
}

TEST_F(CommandLineParserTest, SecondOutputFileIsDuplicate)
{
    EXPECT_EQ(failure({"-o", "a.c", "-o", "b.c"}), "fatal error L1007: duplicate output file 'b.c'\n");
}

TEST_F(CommandLineParserTest, OptionalFileTakesTheNextNonSwitch)
{
    parse({"-v", "report.txt", "s.l"});
    EXPECT_TRUE(options_.verbose);
    EXPECT_EQ(options_.verboseFile, "report.txt");
    EXPECT_EQ(options_.sourceFile, "s.l");
}

TEST_F(CommandLineParserTest, OptionalFileSwallowsTheSourceName)
{
    // "-v grammar" takes the grammar as the report's name.
    parse({"-v", "s.l"});
    EXPECT_EQ(options_.verboseFile, "s.l");
    EXPECT_EQ(options_.sourceFile, "");
}

TEST_F(CommandLineParserTest, OptionalFileWithoutAFileMayRepeat)
{
    parse({"-v", "-v", "r.txt", "-v"});
    EXPECT_EQ(options_.verboseFile, "r.txt");
    EXPECT_EQ(failure({"-v", "a", "-v", "b"}), "fatal error L1009: duplicate verbose file 'b'\n");
}

TEST_F(CommandLineParserTest, SecondSourceFileIsDuplicate)
{
    EXPECT_EQ(failure({"a.l", "b.l"}), "fatal error L1006: duplicate source file 'b.l'\n");
}

TEST_F(CommandLineParserTest, EmptyArgumentIsASourceName)
{
    EXPECT_EQ(failure({"", "b.l"}), "fatal error L1006: duplicate source file 'b.l'\n");
}
