#include "corvide/core/output/DiagnosticLine.h"

#include <climits>

namespace corvide {

namespace {

struct SeverityWord {
    std::string_view word;
    CSeverity severity;
};

// Compared as prefixes in this order, so "fatal error" is tried first.
constexpr SeverityWord kSeverities[] = {
    {"fatal error", CSeverity::Error},
    {"error", CSeverity::Error},
    {"warning", CSeverity::Warning},
};

constexpr std::string_view kCodeLetters = "YLS";
constexpr std::size_t kCodeDigits = 4;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpaces(std::string_view text, std::size_t at)
{
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at;
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

struct Position {
    std::size_t open;  // the "("
    std::size_t close; // the ")"
    std::size_t after; // after the ":"
};

// The "(" digits ")" spaces ":" that ends the file name, if any.
std::optional<Position> findPosition(std::string_view text, const toolframe::CodePage& codePage)
{
    for (std::size_t at = 0; at < text.size(); at += codePage.characterLength(text.substr(at))) {
        if (text[at] != '(')
            continue;
        const std::size_t digitsEnd = skipDigits(text, at + 1);
        if (digitsEnd == at + 1 || digitsEnd >= text.size() || text[digitsEnd] != ')')
            continue;
        const std::size_t colon = skipSpaces(text, digitsEnd + 1);
        if (colon < text.size() && text[colon] == ':')
            return Position{at, digitsEnd, colon + 1};
    }
    return std::nullopt;
}

std::optional<int> lineNumber(std::string_view digits)
{
    long long value = 0;
    for (char digit : digits) {
        value = value * 10 + (digit - '0');
        if (value > INT_MAX)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

std::optional<CDiagnostic> parseDiagnostic(std::string_view text, const toolframe::CodePage& codePage)
{
    CDiagnostic diagnostic;
    std::size_t at = 0;
    if (const std::optional<Position> position = findPosition(text, codePage)) {
        if (const std::optional<int> line =
                lineNumber(text.substr(position->open + 1, position->close - position->open - 1))) {
            diagnostic.file = text.substr(0, position->open);
            diagnostic.line = *line;
        }
        at = position->after;
    }
    at = skipSpaces(text, at);
    const SeverityWord* severity = nullptr;
    for (const SeverityWord& entry : kSeverities)
        if (!severity && text.substr(at).starts_with(entry.word))
            severity = &entry;
    if (!severity)
        return std::nullopt;
    diagnostic.severity = severity->severity;
    at = skipSpaces(text, at + severity->word.size());
    const std::size_t codeEnd = at + 1 + kCodeDigits;
    if (at >= text.size() || kCodeLetters.find(text[at]) == std::string_view::npos || codeEnd > text.size() ||
        skipDigits(text, at + 1) < codeEnd)
        return std::nullopt;
    diagnostic.code = text.substr(at, codeEnd - at);
    at = skipSpaces(text, codeEnd);
    if (at >= text.size() || text[at] != ':')
        return std::nullopt;
    diagnostic.message = text.substr(skipSpaces(text, at + 1));
    return diagnostic;
}

} // namespace corvide
