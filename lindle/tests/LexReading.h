#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "lindle/Messages.h"
#include "lindle/reader/LexReader.h"
#include "lindle/testing/RecordingScannerEmitter.h"
#include "toolframe/testing/TemporaryDirectory.h"

// Reads a lex source through the reader alone, with the recording
// emitter and builder, and keeps what came out.
namespace lindle::testing {

struct Reading {
    std::string diagnostics; // the message lines
    std::vector<std::string> calls;
    std::vector<RuleExpression> expressions;
    int startConditions = 0;
    std::vector<TranslationRun> translation;
    std::string source;      // what reached the source stream
    std::string include;     // what reached the include stream, when open
    bool aborted = false;    // a fatal error ended the reading
    int errors = 0;
    int warnings = 0;
    int rulesReadCalls = 0;
};

inline Reading readLexSource(const std::string& text, ToolOptions options = {}, bool withInclude = false)
{
    toolframe::testing::TemporaryDirectory directory;
    directory.write("scan.l", text);
    Reading reading;
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    {
        toolframe::Diagnostics diagnostics('L', messageCatalog(), out);
        diagnostics.setSourceName("scan.l");
        LexInput input(codePage, diagnostics);
        RecordingScannerEmitter emitter(options, diagnostics, codePage);
        RecordingExpressionBuilder builder;
        diagnostics.connect(&input, nullptr, nullptr);
        if (withInclude)
            emitter.includeStream().open(directory / "scan.h", {"scan.h", "scan.l"});
        emitter.sourceStream().open(directory / "scan.c", {"scan.c", "scan.l"});
        std::FILE* source = std::fopen((directory / "scan.l").c_str(), "r");
        try {
            LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
            reader.read(source);
        } catch (const toolframe::RunAborted&) {
            reading.aborted = true;
        }
        std::fclose(source);
        emitter.sourceStream().close();
        emitter.includeStream().close();
        reading.calls = emitter.calls();
        reading.expressions = builder.expressions();
        reading.startConditions = builder.startConditions();
        reading.translation = builder.translation();
        reading.errors = diagnostics.errors();
        reading.warnings = diagnostics.warnings();
        reading.rulesReadCalls = builder.rulesReadCalls();
    }
    std::fclose(out);
    reading.diagnostics.assign(buffer, size);
    std::free(buffer);
    reading.source = directory.exists("scan.c") ? directory.read("scan.c") : "";
    reading.include = directory.exists("scan.h") ? directory.read("scan.h") : "";
    return reading;
}

} // namespace lindle::testing
