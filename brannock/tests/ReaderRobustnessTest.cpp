#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <algorithm>
#include <sstream>

#include "GrammarReading.h"
#include "toolframe/testing/TemporaryDirectory.h"

using brannock::testing::GrammarReading;

// Whatever the input, the reader ends in numbered diagnostics: it never
// crashes, never hangs, and never prints anything else.
namespace {

const std::string kGrammars = GRAMMARS_DIR;

std::string grammar(const std::string& name) { return toolframe::testing::readFile(kGrammars + "/" + name); }

// "[g.y(N) : ](fatal error|error|warning) YNNNN: text"
bool isDiagnostic(std::string_view line)
{
    if (line.starts_with("g.y(")) {
        const std::size_t close = line.find(") : ");
        if (close == std::string_view::npos || close == 4)
            return false;
        for (char c : line.substr(4, close - 4))
            if (c < '0' || c > '9')
                return false;
        line.remove_prefix(close + 4);
    }
    for (std::string_view severity : {"fatal error Y", "error Y", "warning Y"}) {
        if (!line.starts_with(severity))
            continue;
        line.remove_prefix(severity.size());
        return line.size() >= 6 && std::string_view("124").find(line[0]) != std::string_view::npos &&
               std::all_of(line.begin(), line.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
               line.substr(4, 2) == ": ";
    }
    return false;
}

::testing::AssertionResult onlyDiagnostics(const std::string& messages)
{
    std::istringstream lines(messages);
    std::string text;
    while (std::getline(lines, text))
        if (!isDiagnostic(text))
            return ::testing::AssertionFailure() << "not a diagnostic: " << text;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ReaderRobustness, RealGrammarsReadWithoutDiagnostics)
{
    for (const char* name : {"ansic.y", "pascal.y", "midrule.y", "expr_noprec.y"}) {
        GrammarReading reading(grammar(name));
        EXPECT_EQ(reading.messages(), "") << name;
        EXPECT_FALSE(reading.aborted()) << name;
    }
    GrammarReading ansi(grammar("ansic.y"));
    EXPECT_GE(ansi.grammar().rules().size(), 200u);
    EXPECT_TRUE(ansi.programSection());
}

// The prefixes are split over shards that run apart, so that no one test
// runs for long, under the sanitizers too.
constexpr std::size_t kTruncationShards = 8;

class TruncatedAtEveryByte : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TruncatedAtEveryByte, EndsInDiagnostics)
{
    const std::string text = grammar("ansic.y");
    for (std::size_t length = GetParam(); length <= text.size(); length += kTruncationShards) {
        GrammarReading reading(text.substr(0, length));
        const std::string messages = reading.messages();
        ASSERT_TRUE(onlyDiagnostics(messages)) << "length " << length;
        if (reading.aborted()) {
            ASSERT_NE(messages.find("fatal error"), std::string::npos) << "length " << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AnsiC, TruncatedAtEveryByte, ::testing::Range<std::size_t>(0, kTruncationShards));

TEST(ReaderRobustness, RandomBytes)
{
    std::mt19937 random(2026);
    const std::string alphabet = "%\\{}<>'\";:|~$=/*\n \tabcXYZ019_-+,\x81\xc3\xa9\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = random() % 400;
        for (std::size_t i = 0; i < length; ++i)
            text += round % 3 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        GrammarReading reading(text);
        ASSERT_TRUE(onlyDiagnostics(reading.messages())) << "round " << round;
    }
}

TEST(ReaderRobustness, DeepNestingIsCounted)
{
    const std::string deep(1000000, '{');
    GrammarReading action("%%\ns : " + deep);
    EXPECT_EQ(action.messages(), "g.y(2) : error Y2002: line too long\n"
                                 "g.y(2) : fatal error Y1015: unexpected end of file found in action\n");
    GrammarReading balanced("%%\ns : " + deep + std::string(1000000, '}') + " ;\n");
    EXPECT_EQ(balanced.messages(), "g.y(2) : error Y2002: line too long\n"
                                   "g.y(2) : fatal error Y1015: unexpected end of file found in action\n");
    std::string lines;
    for (int i = 0; i < 100000; ++i)
        lines += "{\n";
    for (int i = 0; i < 100000; ++i)
        lines += "}\n";
    GrammarReading nested("%%\ns : " + lines + " ;\n");
    EXPECT_EQ(nested.messages(), "");
}

TEST(ReaderRobustness, MegabyteAction)
{
    std::string body;
    while (body.size() < (1u << 20))
        body += "    x = y + $1; /* } */ s = \"}\"; c = '}';\n";
    GrammarReading reading("%token A\n%%\ns : A {\n" + body + "} ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_EQ(reading.grammar().rules()[1]->action, 0);
}

TEST(ReaderRobustness, BrokenGrammarsGiveTheirError)
{
    const std::pair<const char*, const char*> cases[] = {
        {"empty_attribute_tag.y", "Y2019"},      {"empty_character_token.y", "Y2014"},
        {"empty_tag.y", "Y2018"},                {"hex_without_digits.y", "Y2004"},
        {"integer_too_large.y", "Y2005"},        {"invalid_keyword_tokens.y", "Y2007"},
        {"missing_semicolon_before_next_rule.y", "Y2009"}, {"token_as_left_side.y", "Y2029"},
        {"two_union_blocks.y", "Y2021"},         {"undefined_symbol.y", "Y2036"},
        {"unterminated_action.y", "Y1015"},      {"unterminated_character_token.y", "Y2013"},
        {"unterminated_code_block.y", "Y1013"},  {"unterminated_comment.y", "Y1016"},
    };
    for (const auto& [file, number] : cases) {
        GrammarReading reading(grammar(std::string("broken/") + file));
        const std::string messages = reading.messages();
        EXPECT_NE(messages.find(number), std::string::npos) << file << ":\n" << messages;
        EXPECT_TRUE(onlyDiagnostics(messages)) << file;
    }
}
