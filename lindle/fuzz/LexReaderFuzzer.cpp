// Feeds arbitrary lex sources through Lindle's reader with the silent
// emitter writing to the null device. The first byte picks the target, the
// include file and the line directives.
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "lindle/Messages.h"
#include "lindle/testing/SilentScannerEmitter.h"
#include "lindle/reader/LexReader.h"
#include "toolframe/testing/ReaderFuzzing.h"

namespace {

// Takes what the reader hands on and keeps nothing.
class DiscardingBuilder : public lindle::ExpressionBuilder {
public:
    void definitionsRead(const std::vector<lindle::StartConditionInfo>&, const std::vector<lindle::TranslationRun>&) override {}
    void expression(const lindle::RuleExpression&) override {}
    void rulesRead() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const auto options =
        toolframe::testing::fuzzedOptions<lindle::ToolOptions>(choice, "fuzz.l", (choice & 8) != 0, (choice & 16) == 0);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    toolframe::testing::fuzzReading(
        text, 'L', lindle::messageCatalog(), options.sourceFile,
        [&](std::FILE* source, const toolframe::CodePage& codePage, toolframe::Diagnostics& diagnostics) {
            lindle::LexInput input(codePage, diagnostics);
            lindle::SilentScannerEmitter emitter(options, diagnostics, codePage);
            diagnostics.connect(&input, &emitter, nullptr);
            DiscardingBuilder builder;
            toolframe::testing::openFuzzedOutputs(options, emitter.includeStream(), emitter.sourceStream());
            lindle::LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
            reader.read(source);
            emitter.includeStream().close();
            emitter.sourceStream().close();
        });
    return 0;
}
