#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "lindle/Messages.h"
#include "lindle/dfa/DfaMatcher.h"
#include "lindle/dfa/DfaMinimiser.h"
#include "lindle/dfa/RuleWarnings.h"
#include "lindle/dfa/StateNumbering.h"
#include "lindle/dfa/SubsetConstruction.h"
#include "lindle/nfa/NfaBuilder.h"
#include "lindle/reader/LexReader.h"
#include "lindle/testing/RecordingScannerEmitter.h"
#include "toolframe/testing/TemporaryDirectory.h"

// Builds a scanner's automaton in process, from a lex source to the
// numbered states, the way the driver does, and keeps both the automaton
// of the subset construction and the minimised one.
namespace lindle::testing {

struct BuiltScanner {
    std::string diagnostics; // the message lines
    int errors = 0;
    int warnings = 0;
    std::vector<ScannerRule> rules;
    Dfa unminimised;
    Dfa dfa; // minimised unless the options say -d
    bool built = false; // the reader found no error

    DfaMatcher matcher() const { return DfaMatcher(dfa, rules); }
    DfaMatcher unminimisedMatcher() const { return DfaMatcher(unminimised, rules); }
};

inline BuiltScanner buildScanner(const std::string& text, ToolOptions options = {})
{
    toolframe::testing::TemporaryDirectory directory;
    directory.write("scan.l", text);
    BuiltScanner built;
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    {
        toolframe::Diagnostics diagnostics('L', messageCatalog(), out);
        diagnostics.setSourceName("scan.l");
        LexInput input(codePage, diagnostics);
        RecordingScannerEmitter emitter(options, diagnostics, codePage);
        CharacterSpace characters(codePage.number());
        NfaBuilder builder(characters, diagnostics, options.unicode, !options.caseSensitive);
        diagnostics.connect(&input, nullptr, nullptr);
        std::FILE* source = std::fopen((directory / "scan.l").c_str(), "r");
        try {
            LexReader reader(options, input, emitter, builder, diagnostics, codePage.number());
            reader.read(source);
            if (diagnostics.errors() == 0) {
                ScannerNfa& scanner = builder.result();
                built.unminimised = buildDfa(scanner, options.fullReject);
                reportRuleWarnings(scanner.rules, diagnostics);
                built.dfa = built.unminimised;
                if (options.minimiseDfa)
                    minimise(built.dfa);
                numberStates(built.dfa);
                numberStates(built.unminimised);
                built.rules = scanner.rules;
                built.built = true;
            }
        } catch (const toolframe::RunAborted&) {
        }
        std::fclose(source);
        built.errors = diagnostics.errors();
        built.warnings = diagnostics.warnings();
    }
    std::fclose(out);
    built.diagnostics.assign(buffer, size);
    std::free(buffer);
    return built;
}

// The values a byte-mode scanner reads for the text.
inline std::vector<std::uint32_t> bytesOf(std::string_view text)
{
    std::vector<std::uint32_t> values;
    for (char c : text)
        values.push_back(static_cast<unsigned char>(c));
    return values;
}

// The values a Unicode scanner reads for the text.
inline std::vector<std::uint32_t> unitsOf(std::u16string_view text)
{
    return std::vector<std::uint32_t>(text.begin(), text.end());
}

} // namespace lindle::testing
