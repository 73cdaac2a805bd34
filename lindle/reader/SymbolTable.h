#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "lindle/reader/ClassName.h"
#include "lindle/reader/Token.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/source/HashBuckets.h"
#include "toolframe/source/NameHash.h"

namespace lindle {

struct StartCondition {
    static constexpr int kUndeclared = -1;
    static constexpr int kReportedUndeclared = -2;

    int number = kUndeclared;
    bool exclusive = false;
};

// Which kind of token a text of the third table was written as.
enum class TokenText { Character, String, Class };

// What the reader knows by name, in three tables: keywords, class names,
// start conditions and integer texts in one; macros in the second; the
// texts of character, string and class tokens in the third. Keywords and
// class names match in any case, everything else exactly; they are entered
// at construction, and INITIAL first of the start conditions (number 0,
// inclusive). Entries never move, so what a lookup returns stays valid.
class SymbolTable {
public:
    // Names are hashed by the characters of the code page.
    explicit SymbolTable(const toolframe::CodePage& codePage);
    SymbolTable(const SymbolTable&) = delete;
    SymbolTable& operator=(const SymbolTable&) = delete;

    // A keyword without its '%', the short forms included.
    std::optional<Token> keyword(std::string_view spelling) const;
    // The name between "[:" and ":]".
    std::optional<ClassName> className(std::string_view name) const;

    // The record of the start condition, made undeclared when the name is
    // new.
    StartCondition& startCondition(std::string_view name);

    // The value of an integer text, stored at its first sight; a text met
    // again keeps its first value.
    std::uint64_t integer(std::string_view text, std::uint64_t value);

    // The replacement text of a macro; null when none is defined.
    const std::string* macro(std::string_view name) const;
    // Defines the macro, replacing its text when it had one; false then.
    bool defineMacro(std::string_view name, std::string_view text);

    // The text as the table keeps it, entered at its first sight.
    std::string_view text(TokenText kind, std::string_view written);

private:
    using IntegerValue = std::uint64_t;
    using Symbol = std::variant<Token, ClassName, StartCondition, IntegerValue>;
    struct NameEntry {
        std::string name;
        Symbol symbol;
    };
    struct MacroEntry {
        std::string name;
        std::string text;
    };
    struct TextEntry {
        TokenText kind;
        std::string text;
    };

    template <class Kind>
    static constexpr toolframe::NameCase caseOf()
    {
        return std::is_same_v<Kind, Token> || std::is_same_v<Kind, ClassName> ? toolframe::NameCase::Blind
                                                                              : toolframe::NameCase::Exact;
    }

    template <class Kind>
    static auto sameKindAndName(std::string_view name);
    template <class Kind>
    const Kind* findName(std::string_view name) const;
    template <class Kind>
    Kind& enterName(std::string_view name, Kind value);

    toolframe::CodePage codePage_;
    toolframe::HashBuckets<NameEntry> names_;
    toolframe::HashBuckets<MacroEntry> macros_;
    toolframe::HashBuckets<TextEntry> texts_;
};

} // namespace lindle
