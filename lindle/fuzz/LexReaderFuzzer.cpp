// Feeds arbitrary lex sources through Lindle's reader with the pending
// emitter writing to the null device. The first byte picks the target, the
// include file and the line directives.
#include <cstdint>
#include <cstdio>
#include <string>

#include "lindle/Messages.h"
#include "lindle/emit/PendingScannerEmitter.h"
#include "lindle/reader/LexReader.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace {

lindle::ToolOptions optionsFrom(std::uint8_t choice)
{
    lindle::ToolOptions options;
    options.sourceFile = "fuzz.l";
    options.outputFile = "/dev/null";
    options.targetLanguage = static_cast<toolframe::TargetLanguage>(choice % 3);
    options.unicode = (choice & 4) != 0 || options.targetLanguage == toolframe::TargetLanguage::Java;
    options.generateIncludeFile = (choice & 8) != 0 && options.targetLanguage != toolframe::TargetLanguage::Java;
    if (options.generateIncludeFile)
        options.includeFile = "/dev/null";
    options.lineDirectives = (choice & 16) == 0;
    return options;
}

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
    const lindle::ToolOptions options = optionsFrom(data[0]);
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::FILE* out = std::fopen("/dev/null", "w");
    std::FILE* source = text.empty() ? std::fopen("/dev/null", "r") : fmemopen(text.data(), text.size(), "r");
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    toolframe::Diagnostics diagnostics('L', lindle::messageCatalog(), out);
    diagnostics.setSourceName(options.sourceFile);
    lindle::LexInput input(codePage, diagnostics);
    lindle::PendingScannerEmitter emitter(options, diagnostics, codePage);
    diagnostics.connect(&input, &emitter, nullptr);
    DiscardingBuilder builder;
    try {
        if (options.generateIncludeFile)
            emitter.includeStream().open(options.includeFile, {"null", "fuzz.l"});
        emitter.sourceStream().open(options.outputFile, {"null", "fuzz.l"});
        lindle::LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
        reader.read(source);
        emitter.includeStream().close();
        emitter.sourceStream().close();
    } catch (const toolframe::RunAborted&) {
        if (diagnostics.errors() == 0)
            __builtin_trap();
    }
    std::fclose(source);
    std::fclose(out);
    return 0;
}
