#include <gtest/gtest.h>

#include <string>

#include "corvide/core/options/BrannockOptions.h"
#include "corvide/core/options/LindleOptions.h"
#include "corvide/core/profile/ProfileFile.h"

namespace {

using corvide::CBrannockOptions;
using corvide::CLindleOptions;
using corvide::COptionDefaults;
using corvide::CProfileFile;

CProfileFile parsed(const std::string& text)
{
    CProfileFile file;
    file.parse(text);
    return file;
}

TEST(OptionSectionWriting, EveryBrannockKeyInFieldOrder)
{
    CProfileFile file;
    ASSERT_TRUE(CBrannockOptions(COptionDefaults::forProject(corvide::kLanguageCpp, corvide::kCompilerGcc))
                    .writeSection(file));
    EXPECT_EQ(file.text(), "[BrannockOptions]\n"
                           "OptionDollar=1\nOptionCapitalT=cpp\nOptionM=\nOptionCapitalW=0\nOptionP=\n"
                           "OtherOptions=\nOptionQ=0\nOptionI=1\nOptionV=1\nOptionZ=0\nOptionC=0\nOptionE=\n"
                           "OptionX=\nOptionS=0\nOptionCapitalL=1024\nOptionCapitalM=1024\nOptionL=0\nOptionF=0\n"
                           "OptionG=0\nOptionCapitalS=0\nOptionCapitalE=0\nOptionCapitalR=\nOptionCapitalN=0\n"
                           "OptionCapitalG=0\nOptionCapitalI=0\n");
}

TEST(OptionSectionWriting, EveryLindleKeyInFieldOrder)
{
    CProfileFile file;
    CLindleOptions options;
    options.caseInsensitive = true;
    ASSERT_TRUE(options.writeSection(file));
    EXPECT_EQ(file.text(), "[LindleOptions]\n"
                           "OptionDollar=1\nOptionCapitalT=\nOptionM=\nOptionCapitalW=0\nOptionU=1\nOptionR=0\n"
                           "OtherOptions=\nOptionQ=0\nOptionI=1\nOptionV=1\nOptionZ=0\nOptionC=0\nOptionE=\n"
                           "OptionX=\nOptionS=0\nOptionCapitalL=1024\nOptionL=0\nOptionF=0\nOptionG=0\nOptionD=0\n"
                           "OptionCapitalS=0\nOptionCapitalE=0\nOptionCapitalR=0\n");
}

TEST(OptionSectionWriting, AFailedKeyStillWritesTheOthers)
{
    CProfileFile file;
    CBrannockOptions options;
    options.otherOptions = "-o\nx";
    options.compactTables = true;
    EXPECT_FALSE(options.writeSection(file));
    EXPECT_EQ(file.getString("BrannockOptions", "OtherOptions", "missing"), "missing");
    EXPECT_EQ(file.getInt("BrannockOptions", "OptionS", 0), 1);
    EXPECT_EQ(file.getInt("BrannockOptions", "OptionCapitalI", -1), 0);
}

TEST(OptionSectionReading, MissingKeysKeepTheCurrentValues)
{
    CBrannockOptions options(COptionDefaults::forProject(corvide::kLanguageJava, corvide::kCompilerGcc));
    options.otherOptions = "-l";
    options.readSection(parsed("[BrannockOptions]\nOptionS=1\n"));
    EXPECT_EQ(options.targetLanguage, "j");
    EXPECT_EQ(options.otherOptions, "-l");
    EXPECT_TRUE(options.compactTables);
    EXPECT_TRUE(options.includeFile);
}

TEST(OptionSectionReading, BooleansArePositiveIntegers)
{
    CLindleOptions options;
    options.readSection(parsed("[LindleOptions]\nOptionU=2\nOptionR=-1\nOptionI=0\nOptionV=yes\nOptionD=1x\n"));
    EXPECT_TRUE(options.caseInsensitive);
    EXPECT_FALSE(options.fullReject);
    EXPECT_FALSE(options.includeFile);
    EXPECT_FALSE(options.verboseFile); // no digits read as 0
    EXPECT_TRUE(options.noMinimisation);
}

TEST(OptionSectionReading, CodesOutsideTheirListBecomeTheToolDefault)
{
    CBrannockOptions options(COptionDefaults::forProject(corvide::kLanguageCpp, corvide::kCompilerGcc));
    options.readSection(parsed("[BrannockOptions]\nOptionCapitalT=CPP\nOptionM=x\nOptionP=c\nOptionCapitalR=F\n"));
    EXPECT_EQ(options.targetLanguage, ""); // C
    EXPECT_EQ(options.model, "");
    EXPECT_EQ(options.parserKind, "c");
    EXPECT_EQ(options.defaultReductions, "");
    options.readSection(parsed("[BrannockOptions]\nOptionCapitalT=j\nOptionM=i\nOptionCapitalR=e\n"));
    EXPECT_EQ(options.targetLanguage, "j");
    EXPECT_EQ(options.model, "i");
    EXPECT_EQ(options.defaultReductions, "e");
}

TEST(OptionSectionReading, StringsAreTakenAsRead)
{
    CLindleOptions options;
    options.readSection(parsed("[LindleOptions]\nOtherOptions= -o \"x y.c\" \nOptionE=.cxx\nOptionX=HPP\n"));
    EXPECT_EQ(options.otherOptions, "-o \"x y.c\"");
    EXPECT_EQ(options.outputExtension, ".cxx");
    EXPECT_EQ(options.includeExtension, "HPP");
}

TEST(OptionSectionReading, LindleRangeIsTakenOnlyFrom256To65536)
{
    const auto rangeAfter = [](const std::string& value) {
        CLindleOptions options;
        options.readSection(parsed("[LindleOptions]\nOptionCapitalL=" + value + "\n"));
        return options.rangeForBases;
    };
    EXPECT_EQ(rangeAfter("100"), 1024);
    EXPECT_EQ(rangeAfter("255"), 1024);
    EXPECT_EQ(rangeAfter("256"), 256);
    EXPECT_EQ(rangeAfter("65536"), 65536);
    EXPECT_EQ(rangeAfter("65537"), 1024);
    EXPECT_EQ(rangeAfter("-300"), 1024);
}

TEST(OptionSectionReading, BrannockRangesTakeAnyValueOfAtLeastOne)
{
    const auto rangesAfter = [](const std::string& value) {
        CBrannockOptions options;
        options.readSection(parsed("[BrannockOptions]\nOptionCapitalL=" + value + "\nOptionCapitalM=" + value + "\n"));
        EXPECT_EQ(options.rangeForBases, options.tokenDestructorRange);
        return options.rangeForBases;
    };
    EXPECT_EQ(rangesAfter("100"), 100);
    EXPECT_EQ(rangesAfter("1"), 1);
    EXPECT_EQ(rangesAfter("0"), 1024);
    // Brannock refuses -L:-5; such a value would stop every build.
    EXPECT_EQ(rangesAfter("-5"), 1024);
    EXPECT_EQ(rangesAfter("99999"), 99999);
}

TEST(OptionDMigration, AnOlderSectionWithoutOptionIKeepsItsIncludeFileSetting)
{
    CProfileFile file = parsed("[BrannockOptions]\nOptionD=0\nOptionV=1\n");
    CBrannockOptions options;
    options.readSection(file);
    EXPECT_FALSE(options.includeFile);
    ASSERT_TRUE(options.writeSection(file));
    EXPECT_EQ(file.getInt("BrannockOptions", "OptionI", -1), 0);
    EXPECT_EQ(file.rawValue("BrannockOptions", "OptionD"), std::nullopt);
}

TEST(OptionDMigration, OptionIWinsOverOptionD)
{
    CBrannockOptions options;
    options.readSection(parsed("[BrannockOptions]\nOptionD=0\nOptionI=1\n"));
    EXPECT_TRUE(options.includeFile);
    options.readSection(parsed("[BrannockOptions]\nOptionD=1\n"));
    EXPECT_TRUE(options.includeFile);
}

TEST(OptionDMigration, LindleOptionDIsItsMinimisationSwitch)
{
    CLindleOptions options;
    options.readSection(parsed("[LindleOptions]\nOptionD=0\n"));
    EXPECT_TRUE(options.includeFile);
    EXPECT_FALSE(options.noMinimisation);
    CProfileFile file;
    options.writeSection(file);
    EXPECT_EQ(file.getInt("LindleOptions", "OptionD", -1), 0);
}

TEST(OptionSectionRoundTrip, WrittenAndReadGivesTheSameRecord)
{
    CBrannockOptions brannock(COptionDefaults{corvide::kLanguageC, corvide::kCompilerBorlandCpp, true, true,
                                              corvide::kModelMultiple, corvide::kParserCanonicalLr});
    brannock.otherOptions = " \"-o\" \"out.c\" ";
    brannock.outputExtension = "cxx";
    brannock.defaultReductions = "o";
    brannock.tokenDestructorRange = 7;
    CLindleOptions lindle(COptionDefaults{corvide::kLanguageJava, corvide::kCompilerVisualCpp16, true, false,
                                          corvide::kModelSingle, 0});
    lindle.rangeForBases = 300;
    lindle.noDefaultTransitions = true;
    CProfileFile file;
    ASSERT_TRUE(brannock.writeSection(file));
    ASSERT_TRUE(lindle.writeSection(file));
    const CProfileFile read = parsed(file.text());
    CBrannockOptions brannockRead;
    brannockRead.readSection(read);
    CLindleOptions lindleRead;
    lindleRead.readSection(read);
    EXPECT_FALSE(brannockRead.differsFrom(brannock));
    EXPECT_FALSE(lindleRead.differsFrom(lindle));
    EXPECT_EQ(brannockRead.commandLineSwitches(), brannock.commandLineSwitches());
}

} // namespace
