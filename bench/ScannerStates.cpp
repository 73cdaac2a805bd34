// Prints the size of a lex source's automata, which lindle itself does not
// report until it writes tables: NFA nodes, DFA states of the subset
// construction and after minimisation, and the entries of the fast
// transition table. Usage: scanner_states FILE [-W]
#include <cstdio>
#include <cstring>

#include "lindle/Messages.h"
#include "lindle/dfa/DfaMinimiser.h"
#include "lindle/dfa/StateNumbering.h"
#include "lindle/dfa/SubsetConstruction.h"
#include "lindle/testing/SilentScannerEmitter.h"
#include "lindle/nfa/NfaBuilder.h"
#include "lindle/reader/LexReader.h"
#include "lindle/tables/ScannerTables.h"
#include "toolframe/platform/CodePage.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: scanner_states FILE [-W]\n");
        return 2;
    }
    lindle::ToolOptions options;
    options.unicode = argc > 2 && std::strcmp(argv[2], "-W") == 0;
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    toolframe::Diagnostics diagnostics('L', lindle::messageCatalog(), stderr);
    lindle::LexInput input(codePage, diagnostics);
    lindle::SilentScannerEmitter emitter(options, diagnostics, codePage);
    lindle::CharacterSpace characters(codePage.number());
    lindle::NfaBuilder builder(characters, diagnostics, options.unicode, true);
    diagnostics.connect(&input, nullptr, nullptr);
    std::FILE* source = std::fopen(argv[1], "r");
    if (source == nullptr)
        return 2;
    lindle::LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
    reader.read(source);
    std::fclose(source);
    if (diagnostics.errors() != 0)
        return 1;
    lindle::Dfa dfa = lindle::buildDfa(builder.result(), false);
    const std::size_t constructed = dfa.states.size();
    lindle::minimise(dfa);
    lindle::numberStates(dfa);
    lindle::TableOptions tableOptions;
    tableOptions.unicode = options.unicode;
    const lindle::ScannerTables tables = lindle::buildScannerTables(dfa, builder.result().rules, tableOptions);
    std::printf("%d %zu %zu %zu\n", builder.result().nfa.size(), constructed, dfa.states.size(),
                tables.transition.size());
    return 0;
}
