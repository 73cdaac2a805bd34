#include "corvide/core/project/SourceKind.h"

#include <optional>

#include "corvide/core/text/CaseInsensitive.h"
#include "toolframe/platform/PathServices.h"

namespace corvide {

namespace {

struct ExtensionKind {
    std::string_view extension;
    SourceKind kind;
};

constexpr ExtensionKind kExtensions[] = {
    {"y", SourceKind::Grammar},
    {"yac", SourceKind::Grammar},
    {"l", SourceKind::Scanner},
    {"lex", SourceKind::Scanner},
};

struct KindName {
    SourceKind kind;
    std::string_view name;
};

constexpr KindName kNames[] = {
    {SourceKind::Grammar, "grammar"},
    {SourceKind::Scanner, "scanner"},
    {SourceKind::Other, "other"},
};

// The text after the last '.' of the file-name part, if it has one.
std::optional<std::string_view> extensionOf(std::string_view path, const toolframe::CodePage& codePage)
{
    const std::string_view fileName = toolframe::path::fileNamePart(path, codePage);
    std::size_t extensionStart = std::string_view::npos;
    std::size_t position = 0;
    codePage.forEachCharacter(fileName, [&](std::string_view character) {
        position += character.size();
        if (character == ".")
            extensionStart = position;
    });
    if (extensionStart == std::string_view::npos)
        return std::nullopt;
    return fileName.substr(extensionStart);
}

} // namespace

bool hasExtension(std::string_view path, const toolframe::CodePage& codePage)
{
    return extensionOf(path, codePage).has_value();
}

SourceKind sourceKindOf(std::string_view path, const toolframe::CodePage& codePage)
{
    const std::optional<std::string_view> found = extensionOf(path, codePage);
    if (!found)
        return SourceKind::Other;
    const std::string_view extension = *found;
    for (const ExtensionKind& entry : kExtensions)
        if (equalNoCase(extension, entry.extension, codePage))
            return entry.kind;
    return SourceKind::Other;
}

bool isBuilt(SourceKind kind) { return kind != SourceKind::Other; }

std::string_view sourceKindName(SourceKind kind)
{
    for (const KindName& entry : kNames)
        if (entry.kind == kind)
            return entry.name;
    return "other";
}

} // namespace corvide
