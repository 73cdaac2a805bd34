#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace toolframe {

// One member of a generated library object (the parser or scanner of the
// multiple models) and its initial value; a storage member points at the
// file-scope buffers, which the multiple instance model leaves to each
// instance.
struct MemberValue {
    std::string_view member;
    std::string_view value;
    bool storage = false;
};

// A member that reaches a table, whose value depends on the table form the
// source holds.
struct TableMemberValue {
    std::string_view member;
    std::string_view fast;
    std::string_view compact;
};

struct ObjectMembers {
    std::span<const MemberValue> state;
    std::span<const TableMemberValue> tables;
    std::span<const MemberValue> links;
    std::span<const MemberValue> debug;
};

// The members of the object's initialiser in order, a line each: the state,
// the tables of both forms chosen by whether compactMacro is defined, the
// links, and the debug members under YYDEBUG; then the closing "};".
// Without file-scope storage a storage member is NULL. expand fills in a
// value's placeholders.
std::string objectInitialiser(const ObjectMembers& members, std::string_view compactMacro, bool withoutStorage,
                              const std::function<std::string(std::string_view)>& expand);

} // namespace toolframe
