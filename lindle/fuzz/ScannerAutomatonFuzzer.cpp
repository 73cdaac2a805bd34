// Feeds arbitrary lex sources through the reader, the expression parser
// and the automaton stages. The first byte picks Unicode, case folding,
// full reject and minimisation; construction is bounded so that a source
// whose automaton is legitimately huge does not pass for a hang.
#include <cstdint>
#include <cstdio>
#include <string>

#include "lindle/Messages.h"
#include "lindle/dfa/DfaMinimiser.h"
#include "lindle/dfa/RuleWarnings.h"
#include "lindle/dfa/StateNumbering.h"
#include "lindle/dfa/SubsetConstruction.h"
#include "lindle/testing/SilentScannerEmitter.h"
#include "lindle/nfa/NfaBuilder.h"
#include "lindle/reader/LexReader.h"
#include "toolframe/diagnostics/Diagnostics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    lindle::ToolOptions options;
    options.sourceFile = "fuzz.l";
    options.unicode = (data[0] & 1) != 0;
    options.caseSensitive = (data[0] & 2) == 0;
    options.fullReject = (data[0] & 4) != 0;
    options.minimiseDfa = (data[0] & 8) == 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::FILE* out = std::fopen("/dev/null", "w");
    std::FILE* source = text.empty() ? std::fopen("/dev/null", "r") : fmemopen(text.data(), text.size(), "r");
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    toolframe::Diagnostics diagnostics('L', lindle::messageCatalog(), out);
    diagnostics.setSourceName(options.sourceFile);
    lindle::LexInput input(codePage, diagnostics);
    lindle::SilentScannerEmitter emitter(options, diagnostics, codePage);
    lindle::CharacterSpace characters(codePage.number());
    lindle::NfaBuilder builder(characters, diagnostics, options.unicode, !options.caseSensitive);
    diagnostics.connect(&input, nullptr, nullptr);
    try {
        lindle::LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
        reader.read(source);
        if (diagnostics.errors() == 0 && builder.result().nfa.size() < 100000) {
            lindle::Dfa dfa = lindle::buildDfa(builder.result(), options.fullReject, 20000);
            lindle::reportRuleWarnings(builder.result().rules, diagnostics);
            if (options.minimiseDfa)
                lindle::minimise(dfa);
            lindle::numberStates(dfa);
        }
    } catch (const toolframe::RunAborted&) {
        if (diagnostics.errors() == 0)
            __builtin_trap();
    }
    std::fclose(source);
    std::fclose(out);
    return 0;
}
