#include "toolframe/output/IncludeGuard.h"

#include "toolframe/platform/PathServices.h"

namespace toolframe {

namespace {

char guardCharacter(std::string_view character)
{
    if (character.size() != 1)
        return '_';
    const char c = character[0];
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return c;
    return '_';
}

} // namespace

std::string includeGuard(std::string_view includePath, const CodePage& codePage)
{
    std::string guard = "_";
    codePage.forEachCharacter(path::fileNamePart(includePath, codePage),
                              [&](std::string_view character) { guard += guardCharacter(character); });
    return guard;
}

std::string libraryIncludeLine(std::string_view header, bool quoted)
{
    std::string line = "#include ";
    line += quoted ? '"' : '<';
    line += header;
    line += quoted ? '"' : '>';
    line += '\n';
    return line;
}

} // namespace toolframe
