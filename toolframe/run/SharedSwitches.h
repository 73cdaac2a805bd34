#pragma once

#include <string>
#include <string_view>

#include "toolframe/diagnostics/MessageCatalog.h"
#include "toolframe/emit/TargetLanguage.h"
#include "toolframe/run/SwitchTable.h"

namespace toolframe {

// The switch rows that mean the same in both generators. They set fields
// of the shared record, so a tool's table takes them as they stand, beside
// its own rows. Where the tools word a help line differently (what they
// generate is a parser or a lexical analyser) or pause the help display
// elsewhere, the row takes the tool's choice.
template <class Options>
struct SharedSwitches {
    using Row = Switch<Options>;

    static constexpr Row help() { return {"-?", "-?", SwitchForm::Ignored, "Display help", ignore}; }

    static constexpr Row noBanner()
    {
        return {"-$", "-$", SwitchForm::Ignored, "Suppress display of sign-on banner", ignore};
    }

    static constexpr Row targetC()
    {
        return {"-Tc", "-Tc", SwitchForm::Flag, "Generate C target code (default)", setTarget<TargetLanguage::C>};
    }

    static constexpr Row targetCpp()
    {
        return {"-Tcpp", "-Tcpp", SwitchForm::Flag, "Generate C++ target code", setTarget<TargetLanguage::Cpp>};
    }

    static constexpr Row targetJava()
    {
        return {"-Tj", "-Tj", SwitchForm::Flag, "Generate Java target code", setTarget<TargetLanguage::Java>};
    }

    static constexpr Row unicode(std::string_view helpText)
    {
        return {"-W", "-W", SwitchForm::Flag, helpText, [](Options& o, const SwitchValue&) { o.unicode = true; }};
    }

    static constexpr Row compatibleFileNames(std::string_view helpText)
    {
        return {"-c", "-c", SwitchForm::Flag, helpText,
                [](Options& o, const SwitchValue&) { o.compatibleFileNames = true; }};
    }

    static constexpr Row outputExtension(PageBreak pageBreak = PageBreak::None)
    {
        return {"-e", "-e", SwitchForm::Extension,
                "Output file name extension (.c default for C, .cpp for C++, .java for\nJava)",
                [](Options& o, const SwitchValue& v) { o.outputExtension = std::string(v.text); }, pageBreak};
    }

    static constexpr Row plainLineNames()
    {
        return {"-f", "-f", SwitchForm::Flag, "Do not treat #line directive file names as strings",
                [](Options& o, const SwitchValue&) { o.plainLineNames = true; }};
    }

    static constexpr Row fullPathLineNames()
    {
        return {"-g", "-g", SwitchForm::Flag, "Generate full path names in #line directives",
                [](Options& o, const SwitchValue&) { o.fullPathLineNames = true; }};
    }

    static constexpr Row includeFile()
    {
        return {"-i", "-i", SwitchForm::OptionalFile, "Generate include file",
                [](Options& o, const SwitchValue& v) {
                    o.generateIncludeFile = true;
                    if (!v.text.empty())
                        o.includeFile = std::string(v.text);
                },
                PageBreak::None, 0, 1, 0, DuplicateIncludeFile};
    }

    static constexpr Row noLineDirectives()
    {
        return {"-l", "-l", SwitchForm::Flag, "Do not produce #line directives in output file",
                [](Options& o, const SwitchValue&) { o.lineDirectives = false; }};
    }

    static constexpr Row singleModel(std::string_view helpText)
    {
        return {"-ms", "-ms", SwitchForm::Flag, helpText, setModel<CodeModel::Single>};
    }

    static constexpr Row multipleModel(std::string_view helpText)
    {
        return {"-mm", "-mm", SwitchForm::Flag, helpText, setModel<CodeModel::Multiple>};
    }

    static constexpr Row multipleInstanceModel(std::string_view helpText)
    {
        return {"-mi", "-mi", SwitchForm::Flag, helpText, setModel<CodeModel::MultipleInstance>};
    }

    static constexpr Row outputFile()
    {
        return {"-o", "-o", SwitchForm::RequiredFile, "Output file name",
                [](Options& o, const SwitchValue& v) { o.outputFile = std::string(v.text); }, PageBreak::None, 0, 1,
                0, DuplicateOutputFile};
    }

    static constexpr Row quotedLibraryIncludes()
    {
        return {"-q", "-q", SwitchForm::Flag, "Use quotes around #include directive library file names",
                [](Options& o, const SwitchValue&) { o.quotedLibraryIncludes = true; }};
    }

    static constexpr Row compactTables()
    {
        return {"-s", "-s", SwitchForm::Flag, "Use compact tables",
                [](Options& o, const SwitchValue&) { o.compactTables = true; }};
    }

    static constexpr Row verboseFile(PageBreak pageBreak = PageBreak::None)
    {
        return {"-v", "-v", SwitchForm::OptionalFile, "Generate verbose file",
                [](Options& o, const SwitchValue& v) {
                    o.verbose = true;
                    if (!v.text.empty())
                        o.verboseFile = std::string(v.text);
                },
                pageBreak, 0, 1, 0, DuplicateVerboseFile};
    }

    static constexpr Row includeExtension()
    {
        return {"-x", "-x", SwitchForm::Extension, "Include file name extension (.h default for C and C++)",
                [](Options& o, const SwitchValue& v) { o.includeExtension = std::string(v.text); }};
    }

    static constexpr Row shortFileNames()
    {
        return {"-z", "-z", SwitchForm::Flag, "Use short file names",
                [](Options& o, const SwitchValue&) { o.shortFileNames = true; }};
    }

private:
    static void ignore(Options&, const SwitchValue&) {}

    template <TargetLanguage language>
    static void setTarget(Options& options, const SwitchValue&)
    {
        options.targetLanguage = language;
    }

    template <CodeModel model>
    static void setModel(Options& options, const SwitchValue&)
    {
        options.model = model;
    }
};

} // namespace toolframe
