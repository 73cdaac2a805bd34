#include <gtest/gtest.h>

#include "brannock/emit/Emitter.h"
#include "brannock/testing/RecordingEmitter.h"
#include "toolframe/output/OutputStream.h"

#include <algorithm>
#include <cstring>

using brannock::ActionKind;
using brannock::Emitter;
using brannock::TokenOperand;
using brannock::testing::RecordingEmitter;

namespace {

// Calls every operation once, in slot order, through the interface.
void callEverySlot(Emitter& e, toolframe::OutputStream* stream)
{
    if (stream != nullptr)
        e.lineDirective(*stream, 0, "g.c");
    e.alwaysUnicode();
    e.supportsIncludeFile();
    e.defaultSourceExtension();
    e.defaultIncludeExtension();
    e.beginIncludeFile("g.h");
    e.endIncludeFile();
    e.beginSourceFile(true);
    e.includeGeneratedHeader("g.h");
    e.unionBlock(true);
    e.tokenConstant("NUMBER", 257);
    e.beginActionFunction();
    e.beginActionSwitch();
    e.beginActionCase(0, 3);
    e.resultAttribute();
    e.positionalAttribute(1, 2);
    e.attributeMember("value");
    e.endActionCase(true);
    e.endActionSwitch();
    e.endActionFunction();
    e.endSourceFile(false);
    e.beginTables();
    e.endTables();
    e.beginDebugTables();
    e.endDebugTables();
    e.beginSymbolTable();
    e.symbolRow(0, "'+'", std::nullopt);
    e.endSymbolTable();
    e.beginRuleTable();
    e.ruleRow(0, "$accept: expr $end");
    e.endRuleTable();
    e.beginReductionTable();
    e.reductionRow(0, 1, 2, -1);
    e.endReductionTable();
    e.beginTokenActionTable(4);
    e.tokenActionRow(0, 1, ActionKind::Shift, 2);
    e.endTokenActionTable();
    e.beginStateActionTable();
    e.stateActionRow(0, -40, true, ActionKind::Default, 3);
    e.endStateActionTable();
    e.beginCompactTokenActionTable();
    e.compactTokenActionRow(0, TokenOperand{TokenOperand::Kind::Literal, "'('"}, ActionKind::Reduce, 1);
    e.endCompactTokenActionTable();
    e.beginCompactStateActionTable();
    e.compactStateActionRow(0, 5);
    e.endCompactStateActionTable();
    e.beginNonterminalGotoTable(2);
    e.nonterminalGotoRow(0, 3, -1);
    e.endNonterminalGotoTable();
    e.beginStateGotoTable();
    e.stateGotoRow(0, 1, -1);
    e.endStateGotoTable();
    e.beginCompactNonterminalGotoTable();
    e.compactNonterminalGotoRow(0, -1, 4);
    e.endCompactNonterminalGotoTable();
    e.beginCompactStateGotoTable();
    e.compactStateGotoRow(0, 0);
    e.endCompactStateGotoTable();
    e.beginStateDestructorTable();
    e.stateDestructorRow(0, -1);
    e.endStateDestructorTable();
    e.noStateDestructorTable();
    e.beginTokenDestructorTable();
    e.tokenDestructorRow(0, 0, 2);
    e.endTokenDestructorTable(1);
    e.noTokenDestructorTable();
    e.beginTokenDestructorBaseTable();
    e.tokenDestructorBaseRow(0, -3);
    e.endTokenDestructorBaseTable(1);
    e.noTokenDestructorBaseTable();
    e.beginCompactTokenDestructorTable();
    e.compactTokenDestructorRow(0, std::nullopt, 0);
    e.endCompactTokenDestructorTable();
    e.noCompactTokenDestructorTable();
    e.parserName(true, "calc");
    e.constructorBlock(false, "calc");
    e.destructorBlock(true, "calc");
}

} // namespace

TEST(EmitterSlots, SeventySevenOperationsInSlotOrder)
{
    RecordingEmitter recorder;
    const toolframe::MessageText none[] = {{0, L""}};
    toolframe::Diagnostics diagnostics('Y', toolframe::MessageCatalog(none));
    toolframe::CodePage codePage;
    toolframe::OutputStream stream(diagnostics, codePage, recorder, {});
    callEverySlot(recorder, &stream);
    ASSERT_EQ(recorder.calls().size(), 77u);
    for (int slot = 1; slot <= 77; ++slot)
        EXPECT_EQ(recorder.calls()[static_cast<std::size_t>(slot - 1)].slot, slot)
            << recorder.calls()[static_cast<std::size_t>(slot - 1)].operation;
}

TEST(EmitterSlots, RecordsNamesAndArguments)
{
    RecordingEmitter recorder;
    callEverySlot(recorder, nullptr);
    const auto texts = recorder.texts();
    const std::vector<std::string> some = {
        "beginSourceFile(true)", "tokenConstant(\"NUMBER\", 257)", "beginActionCase(0, 3)",
        "positionalAttribute(1, 2)", "stateActionRow(0, -40, true, default, 3)",
        "compactTokenActionRow(0, '(', reduce, 1)", "compactTokenDestructorRow(0, all, 0)",
        "symbolRow(0, \"'+'\", none)", "parserName(true, \"calc\")"};
    for (const std::string& text : some)
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
}

#if defined(__GXX_ABI_VERSION)
// In the Itanium C++ ABI a pointer to a virtual member function holds one
// plus the byte offset of its vtable entry; the operations' entries must
// follow one another in slot order.
namespace {
template <class Member>
std::ptrdiff_t vtableOffset(Member member)
{
    std::ptrdiff_t raw;
    static_assert(sizeof(Member) >= sizeof raw);
    std::memcpy(&raw, &member, sizeof raw);
    return raw - 1;
}
} // namespace

TEST(EmitterSlots, VirtualTableEntriesFollowSlotOrder)
{
    const std::ptrdiff_t first = vtableOffset(&Emitter::lineDirective);
    const std::ptrdiff_t offsets[] = {
        vtableOffset(&Emitter::alwaysUnicode), vtableOffset(&Emitter::defaultIncludeExtension),
        vtableOffset(&Emitter::beginIncludeFile), vtableOffset(&Emitter::includeGeneratedHeader),
        vtableOffset(&Emitter::endSourceFile), vtableOffset(&Emitter::beginSymbolTable),
        vtableOffset(&Emitter::noCompactTokenDestructorTable), vtableOffset(&Emitter::destructorBlock)};
    const int slots[] = {2, 5, 6, 9, 21, 26, 74, 77};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        EXPECT_EQ(offsets[i] - first, static_cast<std::ptrdiff_t>((slots[i] - 1) * sizeof(void*))) << slots[i];
}
#endif
