#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "corvide/core/settings/NewProjectSettings.h"
#include "corvide/core/settings/SettingsStore.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::CNewProjectSettings;
using corvide::CSettingsStore;
using toolframe::testing::TemporaryDirectory;

class SettingsStoreTest : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    CSettingsStore store{directory / "config/Fernhollow Software/Corvane 2.ini"};
};

// Sets a variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (previous_)
            ::setenv(name_, previous_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

TEST_F(SettingsStoreTest, LivesUnderXdgConfigHome)
{
    {
        const ScopedVariable configuration("XDG_CONFIG_HOME", directory.path());
        EXPECT_EQ(CSettingsStore::defaultPath(), directory / "Fernhollow Software/Corvane 2.ini");
    }
    const ScopedVariable configuration("XDG_CONFIG_HOME", "relative/ignored");
    const ScopedVariable home("HOME", "/home/someone");
    EXPECT_EQ(CSettingsStore::defaultPath(), "/home/someone/.config/Fernhollow Software/Corvane 2.ini");
}

TEST_F(SettingsStoreTest, WithoutAPathNothingIsWrittenAnywhere)
{
    CSettingsStore homeless("");
    EXPECT_FALSE(homeless.setString("User", "Name", "x"));
    EXPECT_EQ(homeless.getString("User", "Name"), std::nullopt);
}

TEST_F(SettingsStoreTest, KeepsStringsAndDwordsApartAndMakesItsDirectory)
{
    ASSERT_TRUE(store.setString("User", "Name", "Ada"));
    ASSERT_TRUE(store.setDword("NewProject", "Compiler", 3));
    EXPECT_EQ(store.getString("user", "NAME"), "Ada");
    EXPECT_EQ(store.getDword("newproject", "compiler"), 3u);
    EXPECT_EQ(store.getDword("User", "Name"), std::nullopt);
    EXPECT_EQ(store.getString("NewProject", "Compiler"), std::nullopt);
    EXPECT_EQ(store.profileInt("User", "Name", 9), 9);
    EXPECT_EQ(store.profileString("User", "Missing", "d"), "d");
    EXPECT_EQ(directory.read("config/Fernhollow Software/Corvane 2.ini"),
              "[User]\nName=\"Ada\"\n[NewProject]\nCompiler=dword:00000003\n");
}

TEST_F(SettingsStoreTest, StringsKeepEveryCharacter)
{
    const std::string value = " two\nlines \"quoted\" back\\slash\r ";
    ASSERT_TRUE(store.setString("Find", "String1", value));
    EXPECT_EQ(store.getString("Find", "String1"), value);
    ASSERT_TRUE(store.setDword("Find", "Count", 0xFFFFFFFFu));
    EXPECT_EQ(store.getDword("Find", "Count"), 0xFFFFFFFFu);
}

TEST_F(SettingsStoreTest, ReadsValuesWrittenByHand)
{
    directory.write("hand.ini", "[User]\nName = Ada Lovelace \nBroken=\"a\\q\"\n[View]\nToolBar=dword:1\nBad=dword:xyz\n");
    const CSettingsStore hand(directory / "hand.ini");
    EXPECT_EQ(hand.getString("User", "Name"), "Ada Lovelace");
    EXPECT_EQ(hand.getString("User", "Broken"), std::nullopt);
    EXPECT_EQ(hand.getDword("View", "ToolBar"), 1u);
    EXPECT_EQ(hand.getDword("View", "Bad"), std::nullopt);
}

TEST_F(SettingsStoreTest, DeletesAKeyWithEverythingBelowIt)
{
    store.setString("Tools", "CommandLine1", "a");
    store.setString("FormatOptions\\Grammar", "Font", "Mono");
    store.setString("FormatOptions\\Grammar\\Extra", "X", "1");
    store.setString("FormatOptions\\Scanner", "Font", "Serif");
    store.setString("FormatOptionsOther", "Kept", "1");
    EXPECT_EQ(store.subkeyNames("formatoptions"), (std::vector<std::string>{"Grammar", "Scanner"}));
    ASSERT_TRUE(store.deleteKey("FORMATOPTIONS"));
    EXPECT_EQ(store.getString("FormatOptions\\Grammar", "Font"), std::nullopt);
    EXPECT_EQ(store.getString("FormatOptions\\Grammar\\Extra", "X"), std::nullopt);
    EXPECT_EQ(store.getString("FormatOptionsOther", "Kept"), "1");
    EXPECT_EQ(store.getString("Tools", "CommandLine1"), "a");
    ASSERT_TRUE(store.deleteValue("Tools", "CommandLine1"));
    EXPECT_EQ(store.valueNames("Tools"), std::vector<std::string>{});
}

TEST_F(SettingsStoreTest, NewProjectSettingsRoundTripAndDefaultToCWithGcc)
{
    const CNewProjectSettings missing = CNewProjectSettings::read(store);
    EXPECT_EQ(missing.targetLanguage, corvide::kLanguageC);
    EXPECT_EQ(missing.compiler, corvide::kCompilerGcc);
    ASSERT_TRUE((CNewProjectSettings{corvide::kLanguageJava, corvide::kCompilerBorlandCpp}.write(store)));
    const CNewProjectSettings read = CNewProjectSettings::read(store);
    EXPECT_EQ(read.targetLanguage, corvide::kLanguageJava);
    EXPECT_EQ(read.compiler, corvide::kCompilerBorlandCpp);
    const corvide::COptionDefaults defaults = read.projectDefaults();
    EXPECT_FALSE(defaults.compactTables);
    EXPECT_FALSE(defaults.unicode);
    EXPECT_EQ(defaults.model, corvide::kModelSingle);
    EXPECT_EQ(defaults.parser, corvide::kParserLalr);
}

TEST_F(SettingsStoreTest, AFailedWriteLeavesTheStoreAsItWas)
{
    store.setString("User", "Name", "Ada");
    EXPECT_FALSE(store.setString("User", "Bad name\n", "x"));
    EXPECT_EQ(store.valueNames("User"), std::vector<std::string>{"Name"});
}

constexpr int kWritesEach = 60;

void hammer(CSettingsStore& store, const std::string& key)
{
    for (int i = 0; i < kWritesEach; ++i)
        store.setDword(key, "Value" + std::to_string(i), static_cast<std::uint32_t>(i));
}

void expectAllKept(const CSettingsStore& store, const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        for (int i = 0; i < kWritesEach; ++i)
            EXPECT_EQ(store.getDword(key, "Value" + std::to_string(i)), static_cast<std::uint32_t>(i)) << key << i;
}

TEST_F(SettingsStoreTest, ThreadsWritingAtOnceKeepEachOthersValues)
{
    CSettingsStore first(store.path());
    CSettingsStore second(store.path());
    std::thread a([&] { hammer(first, "Editor"); });
    std::thread b([&] { hammer(second, "Find"); });
    a.join();
    b.join();
    expectAllKept(store, {"Editor", "Find"});
}

TEST_F(SettingsStoreTest, ProcessesWritingAtOnceKeepEachOthersValues)
{
    std::vector<pid_t> children;
    const std::vector<std::string> keys = {"Projects", "Tools", "View"};
    for (const std::string& key : keys) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            CSettingsStore own(store.path());
            hammer(own, key);
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectAllKept(store, keys);
}

} // namespace
