#include "lindle/nfa/Nfa.h"

namespace lindle {

int Nfa::add(NfaNode node)
{
    nodes_.push_back(node);
    return size() - 1;
}

NfaFragment Nfa::empty()
{
    const int begin = size();
    const int node = add({});
    return {node, node, begin};
}

NfaFragment Nfa::character(std::uint32_t value)
{
    const int begin = size();
    const int exit = add({});
    NfaNode node;
    node.kind = NfaNode::Kind::Character;
    node.character = value;
    node.next = exit;
    return {add(node), exit, begin};
}

NfaFragment Nfa::set(CharacterSet set)
{
    const int begin = size();
    sets_.push_back(std::move(set));
    const int exit = add({});
    NfaNode node;
    node.kind = NfaNode::Kind::Set;
    node.set = static_cast<int>(sets_.size()) - 1;
    node.next = exit;
    return {add(node), exit, begin};
}

NfaFragment Nfa::concatenate(NfaFragment first, NfaFragment second)
{
    node(first.exit).next = second.entry;
    return {first.entry, second.exit, first.begin};
}

NfaFragment Nfa::alternate(NfaFragment first, NfaFragment second)
{
    const int exit = add({});
    node(first.exit).next = exit;
    node(second.exit).next = exit;
    return {fork(first.entry, second.entry), exit, first.begin};
}

NfaFragment Nfa::closure(NfaFragment fragment)
{
    const int exit = add({});
    node(fragment.exit).next = fragment.entry;
    node(fragment.exit).other = exit;
    return {fork(fragment.entry, exit), exit, fragment.begin};
}

NfaFragment Nfa::positiveClosure(NfaFragment fragment)
{
    const int exit = add({});
    node(fragment.exit).next = fragment.entry;
    node(fragment.exit).other = exit;
    return {fragment.entry, exit, fragment.begin};
}

NfaFragment Nfa::option(NfaFragment fragment)
{
    const int exit = add({});
    node(fragment.exit).next = exit;
    return {fork(fragment.entry, exit), exit, fragment.begin};
}

NfaFragment Nfa::copy(NfaFragment fragment, int end)
{
    const int offset = size() - fragment.begin;
    const auto moved = [&](int index) { return index >= fragment.begin && index < end ? index + offset : index; };
    for (int index = fragment.begin; index < end; ++index) {
        NfaNode copied = node(index);
        copied.next = moved(copied.next);
        copied.other = moved(copied.other);
        add(copied);
    }
    return {fragment.entry + offset, fragment.exit + offset, fragment.begin + offset};
}

void Nfa::clear(NfaFragment fragment)
{
    if (fragment.begin <= size())
        nodes_.resize(static_cast<std::size_t>(fragment.begin));
}

int Nfa::fork(int first, int second)
{
    NfaNode node;
    node.next = first;
    node.other = second;
    return add(node);
}

} // namespace lindle
