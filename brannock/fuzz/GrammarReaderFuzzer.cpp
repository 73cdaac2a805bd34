// Feeds arbitrary grammar files through the whole reading run of Brannock
// (prologues, reader, model checks, program section) with real emitters
// writing to the null device. The first byte picks the target and options.
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "brannock/Driver.h"
#include "brannock/GeneratorCore.h"
#include "brannock/reader/GrammarInput.h"
#include "brannock/Messages.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/testing/ReaderFuzzing.h"

namespace {

brannock::ToolOptions optionsFrom(std::uint8_t choice)
{
    auto options = toolframe::testing::fuzzedOptions<brannock::ToolOptions>(choice, "fuzz.y", (choice & 64) != 0,
                                                                            (choice & 128) == 0);
    options.compactTables = (choice & 8) != 0;
    options.model = static_cast<toolframe::CodeModel>((choice >> 4) % 3);
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const brannock::ToolOptions options = optionsFrom(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const toolframe::DateTimeStamp stamp{"01/01/70", "00:00:00"};
    toolframe::testing::fuzzReading(
        text, 'Y', brannock::messageCatalog(), options.sourceFile,
        [&](std::FILE* source, const toolframe::CodePage& codePage, toolframe::Diagnostics& diagnostics) {
            brannock::GrammarInput input(codePage, diagnostics);
            auto emitter = brannock::createEmitter({options, codePage, stamp, diagnostics});
            diagnostics.connect(&input, emitter.get(), nullptr);
            toolframe::testing::openFuzzedOutputs(options, emitter->includeStream(), emitter->sourceStream());
            brannock::VerboseWriter verbose(diagnostics, codePage);
            brannock::GeneratorCore core(options, codePage, stamp, input, *emitter, verbose, diagnostics);
            const brannock::RunCounts counts = core.run(source);
            verbose.writeSummary(counts.tokens, counts.nonterminals, counts.rules, counts.states);
            emitter->includeStream().close();
            emitter->sourceStream().close();
        });
    return 0;
}
