#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lindle/reader/ExpressionBuilder.h"
#include "lindle/regex/CharacterSet.h"
#include "lindle/regex/ClassExpression.h"
#include "toolframe/platform/CodePageConverter.h"

namespace lindle {

// What the characters of one atom are read as: the settings in force and
// whether the scanner is a Unicode one.
struct CharacterMode {
    bool unicode = false;
    CharacterSettings settings;
};

// The outcome of turning source text or an escape into character values:
// the values (a character may stand for several: its bytes in byte mode,
// two code units beyond U+FFFF) and the message to report, 0 for none.
struct CharacterValues {
    std::vector<std::uint32_t> values;
    int error = 0;
};

// Everything a scanner knows about characters: the values that source
// characters and escapes stand for in each mode, the universes, class
// expressions and case folding. Per code page data is built once, when
// first asked for.
class CharacterSpace {
public:
    explicit CharacterSpace(int ansiCodePage);
    ~CharacterSpace();

    int ansiCodePage() const { return ansiCodePage_; }
    bool isMultibyte(int codePage) const;
    // Whether characters of the mode are code-page characters of more than
    // one byte (character mode in a multibyte code page).
    bool multibyteCharacters(const CharacterMode& mode) const;

    std::uint32_t maximum(const CharacterMode& mode, bool inClass) const;
    const CharacterSet& universe(const CharacterMode& mode);

    // A character of the source, given as its bytes in the ANSI code page.
    CharacterValues sourceCharacter(std::string_view bytes, const CharacterMode& mode);
    // An escape such as "\n", given as its UTF-16 value.
    CharacterValues controlCharacter(std::uint32_t unit, const CharacterMode& mode);
    // The message for an octal or hexadecimal value that is no character of
    // the mode's multibyte code page, or 0.
    int invalidMultibyteError(std::uint32_t value, const CharacterMode& mode);

    // The set of a class expression; lost is set when intersecting it with
    // the universe dropped members.
    CharacterSet classExpression(ClassName name, const CharacterMode& mode, bool& lost);

    // Case folding: the value and its other case, or a set closed under it.
    CharacterSet caseClosure(std::uint32_t value, const CharacterMode& mode);
    CharacterSet caseClosure(const CharacterSet& set, const CharacterMode& mode);

private:
    struct CodePageData;
    CodePageData& data(int codePage);
    int conversionError(const CharacterMode& mode) const;
    std::optional<std::string> toCodePage(std::u16string_view units, const CharacterMode& mode);
    CharacterValues valuesOf(std::string_view bytes, const CharacterMode& mode) const;
    const CharacterSet& narrowClass(ClassName name, int codePage);
    const CharacterSet& wideClass(ClassName name);
    CharacterSet wideInCodePage(const CharacterSet& units, int codePage);

    int ansiCodePage_;
    std::map<int, std::unique_ptr<CodePageData>> codePages_;
    std::map<ClassName, CharacterSet> wideClasses_;
    struct CaseRun {
        std::uint32_t first;
        std::uint32_t last;
        std::int32_t delta;
    };
    std::vector<CaseRun> unicodeCaseRuns_;
};

} // namespace lindle
