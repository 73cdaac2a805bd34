#include "toolframe/emit/ObjectInitialiser.h"

#include "toolframe/emit/CDefinitions.h"

namespace toolframe {

std::string objectInitialiser(const ObjectMembers& members, std::string_view compactMacro, bool withoutStorage,
                              const std::function<std::string(std::string_view)>& expand)
{
    std::string text;
    auto all = [&](std::span<const MemberValue> values) {
        for (const MemberValue& m : values)
            text += memberInitialiser(expand(m.storage && withoutStorage ? "NULL" : m.value), m.member);
    };
    auto tables = [&](bool compact) {
        for (const TableMemberValue& m : members.tables)
            text += memberInitialiser(expand(compact ? m.compact : m.fast), m.member);
    };
    all(members.state);
    text.append("#ifndef ").append(compactMacro).append("\n");
    tables(false);
    text += "#else\n";
    tables(true);
    text += "#endif\n";
    all(members.links);
    text += "#ifdef YYDEBUG\n";
    all(members.debug);
    text += "#endif\n};\n";
    return text;
}

} // namespace toolframe
