#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/diagnostics/MessageCatalog.h"
#include "toolframe/output/OutputStream.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/run/ToolOptions.h"

// What a libFuzzer target of either tool's reader does around the reading:
// the input's first byte chooses the options, the rest is the source, and
// every message and output goes to the null device.
namespace toolframe::testing {

// The choices both tools have: bits 0 and 1 pick the target language, bit
// 2 a Unicode scanner or parser (always one for Java); whether an include
// file is written and whether line directives are is the tool's to choose
// from its own bits, so that each fuzzer's corpus keeps its meaning.
template <class Options>
Options fuzzedOptions(std::uint8_t choice, std::string sourceName, bool includeFile, bool lineDirectives)
{
    Options options;
    options.sourceFile = std::move(sourceName);
    options.outputFile = "/dev/null";
    options.targetLanguage = static_cast<TargetLanguage>(choice % 3);
    options.unicode = (choice & 4) != 0 || options.targetLanguage == TargetLanguage::Java;
    options.generateIncludeFile = includeFile && options.targetLanguage != TargetLanguage::Java;
    if (options.generateIncludeFile)
        options.includeFile = "/dev/null";
    options.lineDirectives = lineDirectives;
    return options;
}

// The outputs that a reading run writes to, opened as the driver would.
inline void openFuzzedOutputs(const ToolOptions& options, OutputStream& include, OutputStream& source)
{
    const LineNames names{"null", options.sourceFile};
    if (options.generateIncludeFile)
        include.open(options.includeFile, names);
    source.open(options.outputFile, names);
}

// Calls read(source, codePage, diagnostics) over the source text. A
// fatal error may end the reading, but never before an error was counted:
// a run that stops with none is a fault, and traps.
template <class Read>
void fuzzReading(std::string_view text, char letter, const MessageCatalog& messages, const std::string& sourceName,
                 Read&& read)
{
    std::string buffer(text);
    std::FILE* out = std::fopen("/dev/null", "w");
    std::FILE* source =
        buffer.empty() ? std::fopen("/dev/null", "r") : fmemopen(buffer.data(), buffer.size(), "r");
    const CodePage codePage(CodePage::kUtf8);
    Diagnostics diagnostics(letter, messages, out);
    diagnostics.setSourceName(sourceName);
    try {
        read(source, codePage, diagnostics);
    } catch (const RunAborted&) {
        if (diagnostics.errors() == 0)
            __builtin_trap();
    }
    std::fclose(source);
    std::fclose(out);
}

} // namespace toolframe::testing
