#include "toolframe/run/FileNameDerivation.h"

#include <gtest/gtest.h>

#include "CapturedOutput.h"

using toolframe::ToolOptions;

namespace {

const toolframe::MessageText kNoMessages[] = {{0, L""}};

class Language : public toolframe::LanguageFrame {
public:
    Language(bool unicode, bool include, std::string_view source, std::string_view header)
        : unicode_(unicode), include_(include), source_(source), header_(header)
    {
    }
    void lineDirective(toolframe::OutputStream&, int, std::string_view) override {}
    bool alwaysUnicode() const override { return unicode_; }
    bool supportsIncludeFile() const override { return include_; }
    std::string_view defaultSourceExtension() const override { return source_; }
    std::string_view defaultIncludeExtension() const override { return header_; }

private:
    bool unicode_, include_;
    std::string_view source_, header_;
};

const Language kC(false, true, "c", "h");
const Language kCpp(false, true, "cpp", "h");
const Language kJava(true, false, "java", "");

ToolOptions derived(ToolOptions options, const Language& language, std::string_view compatible = "y.tab.c")
{
    CapturedOutput out;
    toolframe::Diagnostics diagnostics('Y', toolframe::MessageCatalog(kNoMessages), out.file());
    toolframe::deriveFileNames(options, language, compatible, toolframe::CodePage(), diagnostics);
    return options;
}

ToolOptions source(std::string name)
{
    ToolOptions options;
    options.sourceFile = std::move(name);
    return options;
}

} // namespace

TEST(FileNameDerivation, OutputFromTheSourceWithTheDefaultExtension)
{
    EXPECT_EQ(derived(source("g.y"), kC).outputFile, "g.c");
    EXPECT_EQ(derived(source("g.y"), kCpp).outputFile, "g.cpp");
    EXPECT_EQ(derived(source("dir.d\\file"), kC).outputFile, "dir.d\\file.c");
}

TEST(FileNameDerivation, GivenExtensionsWin)
{
    ToolOptions options = source("g.y");
    options.outputExtension = "cc";
    options.generateIncludeFile = true;
    options.includeExtension = "hpp";
    const ToolOptions result = derived(options, kCpp);
    EXPECT_EQ(result.outputFile, "g.cc");
    EXPECT_EQ(result.includeFile, "g.hpp");
}

TEST(FileNameDerivation, CompatibleNamesKeepTheDirectory)
{
    for (const char* dir : {"dir\\", "dir/"}) {
        ToolOptions options = source(std::string(dir) + "g.y");
        options.compatibleFileNames = true;
        options.verbose = true;
        const ToolOptions result = derived(options, kCpp);
        EXPECT_EQ(result.outputFile, std::string(dir) + "y.tab.cpp");
        EXPECT_EQ(result.verboseFile, std::string(dir) + "y.tab.v");
    }
    ToolOptions lexer = source("dir/scan.l");
    lexer.compatibleFileNames = true;
    EXPECT_EQ(derived(lexer, kC, "lex.yy.c").outputFile, "dir/lex.yy.c");
}

TEST(FileNameDerivation, GivenOutputIsKeptAndNamesTheReport)
{
    ToolOptions options = source("g.y");
    options.outputFile = "out.txt";
    options.verbose = true;
    options.generateIncludeFile = true;
    const ToolOptions result = derived(options, kC);
    EXPECT_EQ(result.outputFile, "out.txt");
    EXPECT_EQ(result.verboseFile, "out.v");
    EXPECT_EQ(result.includeFile, "out.h");
}

TEST(FileNameDerivation, LanguageWithoutIncludeFilesDropsIt)
{
    ToolOptions options = source("g.y");
    options.generateIncludeFile = true;
    options.includeFile = "given.h";
    const ToolOptions result = derived(options, kJava);
    EXPECT_FALSE(result.generateIncludeFile);
    EXPECT_EQ(result.includeFile, "");
    EXPECT_TRUE(result.unicode);
    EXPECT_EQ(result.outputFile, "g.java");
}

TEST(FileNameDerivation, GivenNamesAreNotDerived)
{
    ToolOptions options = source("g.y");
    options.generateIncludeFile = true;
    options.includeFile = "inc/x.h";
    options.verbose = true;
    options.verboseFile = "report";
    const ToolOptions result = derived(options, kC);
    EXPECT_EQ(result.includeFile, "inc/x.h");
    EXPECT_EQ(result.verboseFile, "report");
}

TEST(FileNameDerivation, NoSourceIsFatal1005)
{
    CapturedOutput out;
    toolframe::Diagnostics diagnostics('Y', toolframe::MessageCatalog(kNoMessages), out.file());
    ToolOptions options;
    EXPECT_THROW(toolframe::deriveFileNames(options, kC, "y.tab.c", toolframe::CodePage(), diagnostics),
                 toolframe::RunAborted);
    EXPECT_EQ(out.text(), "fatal error Y1005: no source file\n");
}
