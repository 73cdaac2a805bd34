#include <gtest/gtest.h>

#include "corvide/core/options/BrannockOptions.h"
#include "corvide/core/options/LindleOptions.h"
#include "corvide/core/project/OutputName.h"

namespace {

using corvide::derivedOutputName;
using corvide::SourceKind;

std::string outputOf(std::string_view source, SourceKind kind, const corvide::COptionSet& options)
{
    return derivedOutputName(source, kind, options, toolframe::CodePage());
}

TEST(OutputName, ReplacesTheExtensionByTheLanguageDefault)
{
    corvide::CBrannockOptions options;
    EXPECT_EQ(outputOf("/p/calc.y", SourceKind::Grammar, options), "/p/calc.c");
    options.targetLanguage = "cpp";
    EXPECT_EQ(outputOf("/p/calc.y", SourceKind::Grammar, options), "/p/calc.cpp");
    options.targetLanguage = "j";
    EXPECT_EQ(outputOf("/p/calc.Y", SourceKind::Grammar, options), "/p/calc.java");
}

TEST(OutputName, OnlyADotInTheFileNameStartsAnExtension)
{
    const corvide::CLindleOptions options;
    EXPECT_EQ(outputOf("/p/dir.d/file", SourceKind::Scanner, options), "/p/dir.d/file.c");
    EXPECT_EQ(outputOf("/p/a.b.l", SourceKind::Scanner, options), "/p/a.b.c");
}

TEST(OutputName, TheExtensionOptionGetsItsDot)
{
    corvide::CBrannockOptions options;
    options.outputExtension = "cxx";
    EXPECT_EQ(outputOf("/p/g.y", SourceKind::Grammar, options), "/p/g.cxx");
    options.outputExtension = ".cc";
    EXPECT_EQ(outputOf("/p/g.y", SourceKind::Grammar, options), "/p/g.cc");
}

TEST(OutputName, CompatibleNamesKeepTheDirectory)
{
    corvide::CBrannockOptions brannock;
    brannock.compatibleNames = true;
    brannock.targetLanguage = "cpp";
    EXPECT_EQ(outputOf("/p/src/g.y", SourceKind::Grammar, brannock), "/p/src/y.tab.cpp");
    corvide::CLindleOptions lindle;
    lindle.compatibleNames = true;
    EXPECT_EQ(outputOf("/p/src/s.l", SourceKind::Scanner, lindle), "/p/src/lex.yy.c");
    EXPECT_EQ(outputOf("s.l", SourceKind::Scanner, lindle), "lex.yy.c");
}

} // namespace
