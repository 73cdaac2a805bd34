// Feeds arbitrary grammar files through the whole reading run of Brannock
// (prologues, reader, model checks, program section) with real emitters
// writing to the null device. The first byte picks the target and options.
#include <cstdint>
#include <cstdio>
#include <string>

#include "brannock/Driver.h"
#include "brannock/GeneratorCore.h"
#include "brannock/reader/GrammarInput.h"
#include "brannock/Messages.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace {

brannock::ToolOptions optionsFrom(std::uint8_t choice)
{
    brannock::ToolOptions options;
    options.sourceFile = "fuzz.y";
    options.outputFile = "/dev/null";
    options.targetLanguage = static_cast<toolframe::TargetLanguage>(choice % 3);
    options.unicode = (choice & 4) != 0 || options.targetLanguage == toolframe::TargetLanguage::Java;
    options.compactTables = (choice & 8) != 0;
    options.model = static_cast<toolframe::CodeModel>((choice >> 4) % 3);
    options.generateIncludeFile = (choice & 64) != 0 && options.targetLanguage != toolframe::TargetLanguage::Java;
    if (options.generateIncludeFile)
        options.includeFile = "/dev/null";
    options.lineDirectives = (choice & 128) == 0;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const brannock::ToolOptions options = optionsFrom(data[0]);
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::FILE* out = std::fopen("/dev/null", "w");
    std::FILE* source = text.empty() ? std::fopen("/dev/null", "r") : fmemopen(text.data(), text.size(), "r");
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    const toolframe::DateTimeStamp stamp{"01/01/70", "00:00:00"};
    toolframe::Diagnostics diagnostics('Y', brannock::messageCatalog(), out);
    diagnostics.setSourceName(options.sourceFile);
    brannock::GrammarInput input(codePage, diagnostics);
    auto emitter = brannock::createEmitter({options, codePage, stamp, diagnostics});
    diagnostics.connect(&input, emitter.get(), nullptr);
    try {
        if (options.generateIncludeFile)
            emitter->includeStream().open(options.includeFile, {"null", "fuzz.y"});
        emitter->sourceStream().open(options.outputFile, {"null", "fuzz.y"});
        brannock::VerboseWriter verbose(diagnostics, codePage);
        brannock::GeneratorCore core(options, codePage, stamp, input, *emitter, verbose, diagnostics);
        const brannock::RunCounts counts = core.run(source);
        verbose.writeSummary(counts.tokens, counts.nonterminals, counts.rules, counts.states);
        emitter->includeStream().close();
        emitter->sourceStream().close();
    } catch (const toolframe::RunAborted&) {
        if (diagnostics.errors() == 0)
            __builtin_trap();
    }
    std::fclose(source);
    std::fclose(out);
    return 0;
}
