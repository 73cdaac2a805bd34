#include <gtest/gtest.h>

#include <set>
#include <string>

#include "corvide/core/options/BrannockOptions.h"
#include "corvide/core/options/LindleOptions.h"

namespace {

using corvide::CBrannockOptions;
using corvide::CLindleOptions;
using corvide::COptionDefaults;

COptionDefaults forLanguage(int language, int compiler = corvide::kCompilerGcc)
{
    return COptionDefaults::forProject(language, compiler);
}

TEST(OptionDefaults, ACppSetWithEverythingAtItsDefaultGivesTheDocumentedString)
{
    EXPECT_EQ(CBrannockOptions(forLanguage(corvide::kLanguageCpp)).commandLineSwitches(), "-$ -Tcpp -i -v ");
    EXPECT_EQ(CLindleOptions(forLanguage(corvide::kLanguageCpp)).commandLineSwitches(), "-$ -Tcpp -i -v ");
    EXPECT_EQ(CBrannockOptions(forLanguage(corvide::kLanguageC)).commandLineSwitches(), "-$ -i -v ");
}

TEST(OptionDefaults, FollowLanguageModelParserUnicodeAndCompactTables)
{
    const COptionDefaults defaults{corvide::kLanguageJava, corvide::kCompilerGcc, true, true,
                                   corvide::kModelMultipleInstance, corvide::kParserSlr};
    const CBrannockOptions brannock(defaults);
    EXPECT_EQ(brannock.targetLanguage, "j");
    EXPECT_EQ(brannock.model, "i");
    EXPECT_EQ(brannock.parserKind, "s");
    EXPECT_TRUE(brannock.unicode);
    EXPECT_TRUE(brannock.compactTables);
    EXPECT_TRUE(brannock.bannerSuppressed);
    EXPECT_TRUE(brannock.includeFile);
    EXPECT_TRUE(brannock.verboseFile);
    EXPECT_EQ(brannock.rangeForBases, 1024);
    EXPECT_EQ(brannock.tokenDestructorRange, 1024);
    const CLindleOptions lindle(defaults);
    EXPECT_EQ(lindle.model, "i");
    EXPECT_TRUE(lindle.compactTables);
    EXPECT_EQ(CBrannockOptions(COptionDefaults{1, 0, false, false, 1, 2}).parserKind, "c");
    EXPECT_EQ(CBrannockOptions(COptionDefaults{1, 0, false, false, 1, 1}).parserKind, "");
}

TEST(OptionDefaults, IndexesOutsideTheirListsGiveTheToolDefault)
{
    const CBrannockOptions options(COptionDefaults{7, -1, false, false, 9, -3});
    EXPECT_EQ(options.targetLanguage, "");
    EXPECT_EQ(options.model, "");
    EXPECT_EQ(options.parserKind, "");
}

TEST(OptionDefaults, ShortNamesOnlyForCAndCppWithTheSixteenBitCompiler)
{
    for (int language = 0; language < 3; ++language)
        for (int compiler = 0; compiler <= corvide::kCompilerClang; ++compiler) {
            const bool cFamily = language != corvide::kLanguageJava;
            const CBrannockOptions brannock(forLanguage(language, compiler));
            const CLindleOptions lindle(forLanguage(language, compiler));
            const bool shortNames = cFamily && compiler == corvide::kCompilerVisualCpp16;
            const bool plainNames =
                cFamily && (compiler == corvide::kCompilerCppBuilder || compiler == corvide::kCompilerBorlandCpp);
            EXPECT_EQ(brannock.shortFileNames, shortNames) << language << compiler;
            EXPECT_EQ(lindle.shortFileNames, shortNames) << language << compiler;
            EXPECT_EQ(brannock.plainLineNames, plainNames) << language << compiler;
            EXPECT_EQ(lindle.plainLineNames, plainNames) << language << compiler;
        }
}

TEST(JavaSwitches, UnicodeQuotesIncludeFileAndIncludeExtensionAreLeftOut)
{
    CBrannockOptions options(forLanguage(corvide::kLanguageJava));
    options.unicode = true;
    options.quotedLibraryIncludes = true;
    options.includeFile = true;
    options.includeExtension = "hpp";
    EXPECT_EQ(options.commandLineSwitches(), "-$ -Tj -v ");
    CLindleOptions lindle(forLanguage(corvide::kLanguageJava));
    lindle.unicode = true;
    lindle.quotedLibraryIncludes = true;
    lindle.includeExtension = "hpp";
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -Tj -v ");
}

TEST(ModelSwitch, OnlyForC)
{
    CBrannockOptions options(forLanguage(corvide::kLanguageCpp));
    options.model = "m";
    EXPECT_EQ(options.commandLineSwitches(), "-$ -Tcpp -i -v ");
    options.targetLanguage = "";
    EXPECT_EQ(options.commandLineSwitches(), "-$ -mm -i -v ");
    CLindleOptions lindle(forLanguage(corvide::kLanguageC));
    lindle.model = "i";
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -mi -i -v ");
    lindle.targetLanguage = "j";
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -Tj -v ");
}

TEST(RangeSwitch, OnlyWhenNot1024)
{
    CBrannockOptions options(forLanguage(corvide::kLanguageC));
    options.bannerSuppressed = false;
    options.includeFile = false;
    options.verboseFile = false;
    EXPECT_EQ(options.commandLineSwitches(), "");
    options.rangeForBases = 2048;
    EXPECT_EQ(options.commandLineSwitches(), "-L:2048 ");
    options.tokenDestructorRange = 1;
    EXPECT_EQ(options.commandLineSwitches(), "-L:2048 -M:1 ");
    CLindleOptions lindle(forLanguage(corvide::kLanguageC));
    lindle.rangeForBases = 1024;
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -i -v ");
    lindle.rangeForBases = 65536;
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -i -v -L:65536 ");
}

TEST(OtherOptions, PassVerbatimInTheirPlace)
{
    CBrannockOptions brannock(forLanguage(corvide::kLanguageC));
    brannock.parserKind = "c";
    brannock.otherOptions = "-o out file.c";
    brannock.quotedLibraryIncludes = true;
    EXPECT_EQ(brannock.commandLineSwitches(), "-$ -pc -o out file.c -q -i -v ");
    CLindleOptions lindle(forLanguage(corvide::kLanguageC));
    lindle.fullReject = true;
    lindle.otherOptions = "-o  lexer.c";
    lindle.quotedLibraryIncludes = true;
    EXPECT_EQ(lindle.commandLineSwitches(), "-$ -r -o  lexer.c -q -i -v ");
}

TEST(SwitchOrder, EveryBrannockSwitchInFieldOrder)
{
    CBrannockOptions options(forLanguage(corvide::kLanguageC));
    options.model = "m";
    options.unicode = true;
    options.parserKind = "s";
    options.otherOptions = "-x.h";
    options.quotedLibraryIncludes = true;
    options.shortFileNames = true;
    options.compatibleNames = true;
    options.outputExtension = "cxx";
    options.includeExtension = "hxx";
    options.compactTables = true;
    options.rangeForBases = 5;
    options.tokenDestructorRange = 6;
    options.noLineDirectives = true;
    options.plainLineNames = true;
    options.fullPathLineNames = true;
    options.noDefaultStates = true;
    options.noErrorsForDefaultStates = true;
    options.defaultReductions = "f";
    options.noDefaultReductionsOnErrorShift = true;
    options.noDefaultGotoStates = true;
    options.noErrorGotosForDefaultStates = true;
    EXPECT_EQ(options.commandLineSwitches(),
              "-$ -mm -W -ps -x.h -q -i -v -z -c -ecxx -xhxx -s -L:5 -M:6 -l -f -g -S -E -Rf -N -G -I ");
}

TEST(SwitchOrder, EveryLindleSwitchInFieldOrder)
{
    CLindleOptions options(forLanguage(corvide::kLanguageCpp));
    options.unicode = true;
    options.caseInsensitive = true;
    options.fullReject = true;
    options.otherOptions = "-o x.cpp";
    options.quotedLibraryIncludes = true;
    options.shortFileNames = true;
    options.compatibleNames = true;
    options.outputExtension = "cpp";
    options.includeExtension = "hpp";
    options.compactTables = true;
    options.rangeForBases = 300;
    options.noLineDirectives = true;
    options.plainLineNames = true;
    options.fullPathLineNames = true;
    options.noMinimisation = true;
    options.noDefaultStates = true;
    options.noErrorsForDefaultStates = true;
    options.noDefaultTransitions = true;
    EXPECT_EQ(options.commandLineSwitches(),
              "-$ -Tcpp -W -u -r -o x.cpp -q -i -v -z -c -ecpp -xhpp -s -L:300 -l -f -g -d -S -E -R ");
}

// Each field alone makes two sets differ, and a copy is equal again.
template <class Options>
void expectEveryFieldCompared()
{
    std::set<std::string_view> keys;
    for (const auto& field : Options::fields()) {
        EXPECT_TRUE(keys.insert(field.key).second) << "key twice: " << field.key;
        const Options held;
        Options changed = held;
        switch (field.kind) {
        case corvide::FieldKind::Flag:
            changed.*field.flag = !(changed.*field.flag);
            break;
        case corvide::FieldKind::Code:
        case corvide::FieldKind::Text:
            changed.*field.text += "x";
            break;
        case corvide::FieldKind::Number:
            changed.*field.number += 1;
            break;
        }
        EXPECT_TRUE(changed.differsFrom(held)) << field.key;
        EXPECT_TRUE(held.differsFrom(changed)) << field.key;
        Options copy;
        copy.copyFrom(changed);
        EXPECT_FALSE(copy.differsFrom(changed)) << field.key;
    }
}

TEST(Comparison, EveryBrannockFieldCounts)
{
    expectEveryFieldCompared<CBrannockOptions>();
    EXPECT_EQ(CBrannockOptions::fields().size(), 25u);
}

TEST(Comparison, EveryLindleFieldCounts)
{
    expectEveryFieldCompared<CLindleOptions>();
    EXPECT_EQ(CLindleOptions::fields().size(), 23u);
}

TEST(Comparison, ChangingAFieldAndChangingItBackIsNoDifference)
{
    const CBrannockOptions held;
    CBrannockOptions edited = held;
    edited.otherOptions = "-o x.c";
    edited.otherOptions.clear();
    edited.compactTables = !edited.compactTables;
    edited.compactTables = !edited.compactTables;
    EXPECT_FALSE(edited.differsFrom(held));
    edited.otherOptions = "-O";
    EXPECT_TRUE(edited.differsFrom(held));
}

} // namespace
