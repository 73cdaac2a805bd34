#include "brannock/testing/RecordingEmitter.h"

namespace brannock::testing {

namespace {

std::string describe(int value) { return std::to_string(value); }
std::string describe(unsigned value) { return std::to_string(value); }
std::string describe(bool value) { return value ? "true" : "false"; }
std::string describe(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string describe(std::optional<int> value) { return value ? std::to_string(*value) : "none"; }

std::string describe(ActionKind kind)
{
    static constexpr const char* kNames[] = {"error", "shift", "reduce", "accept", "default"};
    return kNames[static_cast<int>(kind)];
}

std::string describe(const std::optional<TokenOperand>& token)
{
    if (!token)
        return "all";
    switch (token->kind) {
    case TokenOperand::Kind::EndOfInput:
        return "end";
    case TokenOperand::Kind::Error:
        return "error";
    case TokenOperand::Kind::Named:
    case TokenOperand::Kind::Literal:
        break;
    }
    return std::string(token->spelling);
}

} // namespace

namespace {
const toolframe::MessageText kNoMessages[] = {{0, L""}};
} // namespace

RecordingEmitter::RecordingEmitter() : RecordingEmitter(Questions{}) {}

RecordingEmitter::RecordingEmitter(Questions questions)
    : questions_(questions),
      diagnostics_('Y', toolframe::MessageCatalog(kNoMessages)),
      include_(diagnostics_, codePage_, *this, {}),
      source_(diagnostics_, codePage_, *this, {})
{
}

std::string RecordingEmitter::Call::text() const
{
    std::string result = operation + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i)
        result += (i ? ", " : "") + arguments[i];
    return result + ")";
}

std::vector<std::string> RecordingEmitter::texts() const
{
    std::vector<std::string> result;
    for (const Call& call : calls_)
        result.push_back(call.text());
    return result;
}

void RecordingEmitter::record(int slot, const char* operation, std::vector<std::string> arguments) const
{
    calls_.push_back(Call{slot, operation, std::move(arguments)});
}

void RecordingEmitter::lineDirective(toolframe::OutputStream& stream, int line, std::string_view name)
{
    (void)stream;
    record(1, "lineDirective", {describe(line), describe(name)});
}

bool RecordingEmitter::alwaysUnicode() const
{
    record(2, "alwaysUnicode", {});
    return questions_.alwaysUnicode;
}

bool RecordingEmitter::supportsIncludeFile() const
{
    record(3, "supportsIncludeFile", {});
    return questions_.supportsIncludeFile;
}

std::string_view RecordingEmitter::defaultSourceExtension() const
{
    record(4, "defaultSourceExtension", {});
    return questions_.defaultSourceExtension;
}

std::string_view RecordingEmitter::defaultIncludeExtension() const
{
    record(5, "defaultIncludeExtension", {});
    return questions_.defaultIncludeExtension;
}

void RecordingEmitter::beginIncludeFile(std::string_view includePath)
{
    record(6, "beginIncludeFile", {describe(includePath)});
}

void RecordingEmitter::endIncludeFile()
{
    record(7, "endIncludeFile", {});
}

void RecordingEmitter::beginSourceFile(bool repeated)
{
    record(8, "beginSourceFile", {describe(repeated)});
}

void RecordingEmitter::includeGeneratedHeader(std::string_view name)
{
    record(9, "includeGeneratedHeader", {describe(name)});
}

void RecordingEmitter::unionBlock(bool begin)
{
    record(10, "unionBlock", {describe(begin)});
}

void RecordingEmitter::tokenConstant(std::string_view name, unsigned number)
{
    record(11, "tokenConstant", {describe(name), describe(number)});
}

void RecordingEmitter::beginActionFunction()
{
    record(12, "beginActionFunction", {});
}

void RecordingEmitter::beginActionSwitch()
{
    record(13, "beginActionSwitch", {});
}

void RecordingEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    record(14, "beginActionCase", {describe(number), describe(attributeCount)});
}

void RecordingEmitter::resultAttribute()
{
    record(15, "resultAttribute", {});
}

void RecordingEmitter::positionalAttribute(int n, int length)
{
    record(16, "positionalAttribute", {describe(n), describe(length)});
}

void RecordingEmitter::attributeMember(std::string_view tag)
{
    record(17, "attributeMember", {describe(tag)});
}

void RecordingEmitter::endActionCase(bool ofRule)
{
    record(18, "endActionCase", {describe(ofRule)});
}

void RecordingEmitter::endActionSwitch()
{
    record(19, "endActionSwitch", {});
}

void RecordingEmitter::endActionFunction()
{
    record(20, "endActionFunction", {});
}

void RecordingEmitter::endSourceFile(bool programSectionPresent)
{
    record(21, "endSourceFile", {describe(programSectionPresent)});
}

void RecordingEmitter::beginTables()
{
    record(22, "beginTables", {});
}

void RecordingEmitter::endTables()
{
    record(23, "endTables", {});
}

void RecordingEmitter::beginDebugTables()
{
    record(24, "beginDebugTables", {});
}

void RecordingEmitter::endDebugTables()
{
    record(25, "endDebugTables", {});
}

void RecordingEmitter::beginSymbolTable()
{
    record(26, "beginSymbolTable", {});
}

void RecordingEmitter::symbolRow(int index, std::string_view spelling, std::optional<int> number)
{
    record(27, "symbolRow", {describe(index), describe(spelling), describe(number)});
}

void RecordingEmitter::endSymbolTable()
{
    record(28, "endSymbolTable", {});
}

void RecordingEmitter::beginRuleTable()
{
    record(29, "beginRuleTable", {});
}

void RecordingEmitter::ruleRow(int index, std::string_view ruleText)
{
    record(30, "ruleRow", {describe(index), describe(ruleText)});
}

void RecordingEmitter::endRuleTable()
{
    record(31, "endRuleTable", {});
}

void RecordingEmitter::beginReductionTable()
{
    record(32, "beginReductionTable", {});
}

void RecordingEmitter::reductionRow(int index, int nonterminal, int length, int action)
{
    record(33, "reductionRow", {describe(index), describe(nonterminal), describe(length), describe(action)});
}

void RecordingEmitter::endReductionTable()
{
    record(34, "endReductionTable", {});
}

void RecordingEmitter::beginTokenActionTable(int size)
{
    record(35, "beginTokenActionTable", {describe(size)});
}

void RecordingEmitter::tokenActionRow(int index, int owner, ActionKind kind, int data)
{
    record(36, "tokenActionRow", {describe(index), describe(owner), describe(kind), describe(data)});
}

void RecordingEmitter::endTokenActionTable()
{
    record(37, "endTokenActionTable", {});
}

void RecordingEmitter::beginStateActionTable()
{
    record(38, "beginStateActionTable", {});
}

void RecordingEmitter::stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind, int defaultData)
{
    record(39, "stateActionRow", {describe(index), describe(base), describe(hasTokenActions), describe(defaultKind), describe(defaultData)});
}

void RecordingEmitter::endStateActionTable()
{
    record(40, "endStateActionTable", {});
}

void RecordingEmitter::beginCompactTokenActionTable()
{
    record(41, "beginCompactTokenActionTable", {});
}

void RecordingEmitter::compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind, int data)
{
    record(42, "compactTokenActionRow", {describe(index), describe(token), describe(kind), describe(data)});
}

void RecordingEmitter::endCompactTokenActionTable()
{
    record(43, "endCompactTokenActionTable", {});
}

void RecordingEmitter::beginCompactStateActionTable()
{
    record(44, "beginCompactStateActionTable", {});
}

void RecordingEmitter::compactStateActionRow(int index, int start)
{
    record(45, "compactStateActionRow", {describe(index), describe(start)});
}

void RecordingEmitter::endCompactStateActionTable()
{
    record(46, "endCompactStateActionTable", {});
}

void RecordingEmitter::beginNonterminalGotoTable(int size)
{
    record(47, "beginNonterminalGotoTable", {describe(size)});
}

void RecordingEmitter::nonterminalGotoRow(int index, int owner, int target)
{
    record(48, "nonterminalGotoRow", {describe(index), describe(owner), describe(target)});
}

void RecordingEmitter::endNonterminalGotoTable()
{
    record(49, "endNonterminalGotoTable", {});
}

void RecordingEmitter::beginStateGotoTable()
{
    record(50, "beginStateGotoTable", {});
}

void RecordingEmitter::stateGotoRow(int index, int base, int defaultState)
{
    record(51, "stateGotoRow", {describe(index), describe(base), describe(defaultState)});
}

void RecordingEmitter::endStateGotoTable()
{
    record(52, "endStateGotoTable", {});
}

void RecordingEmitter::beginCompactNonterminalGotoTable()
{
    record(53, "beginCompactNonterminalGotoTable", {});
}

void RecordingEmitter::compactNonterminalGotoRow(int index, int nonterminal, int target)
{
    record(54, "compactNonterminalGotoRow", {describe(index), describe(nonterminal), describe(target)});
}

void RecordingEmitter::endCompactNonterminalGotoTable()
{
    record(55, "endCompactNonterminalGotoTable", {});
}

void RecordingEmitter::beginCompactStateGotoTable()
{
    record(56, "beginCompactStateGotoTable", {});
}

void RecordingEmitter::compactStateGotoRow(int index, int start)
{
    record(57, "compactStateGotoRow", {describe(index), describe(start)});
}

void RecordingEmitter::endCompactStateGotoTable()
{
    record(58, "endCompactStateGotoTable", {});
}

void RecordingEmitter::beginStateDestructorTable()
{
    record(59, "beginStateDestructorTable", {});
}

void RecordingEmitter::stateDestructorRow(int index, int destructor)
{
    record(60, "stateDestructorRow", {describe(index), describe(destructor)});
}

void RecordingEmitter::endStateDestructorTable()
{
    record(61, "endStateDestructorTable", {});
}

void RecordingEmitter::noStateDestructorTable()
{
    record(62, "noStateDestructorTable", {});
}

void RecordingEmitter::beginTokenDestructorTable()
{
    record(63, "beginTokenDestructorTable", {});
}

void RecordingEmitter::tokenDestructorRow(int index, int owner, int destructor)
{
    record(64, "tokenDestructorRow", {describe(index), describe(owner), describe(destructor)});
}

void RecordingEmitter::endTokenDestructorTable(int size)
{
    record(65, "endTokenDestructorTable", {describe(size)});
}

void RecordingEmitter::noTokenDestructorTable()
{
    record(66, "noTokenDestructorTable", {});
}

void RecordingEmitter::beginTokenDestructorBaseTable()
{
    record(67, "beginTokenDestructorBaseTable", {});
}

void RecordingEmitter::tokenDestructorBaseRow(int index, int base)
{
    record(68, "tokenDestructorBaseRow", {describe(index), describe(base)});
}

void RecordingEmitter::endTokenDestructorBaseTable(int size)
{
    record(69, "endTokenDestructorBaseTable", {describe(size)});
}

void RecordingEmitter::noTokenDestructorBaseTable()
{
    record(70, "noTokenDestructorBaseTable", {});
}

void RecordingEmitter::beginCompactTokenDestructorTable()
{
    record(71, "beginCompactTokenDestructorTable", {});
}

void RecordingEmitter::compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor)
{
    record(72, "compactTokenDestructorRow", {describe(index), describe(token), describe(destructor)});
}

void RecordingEmitter::endCompactTokenDestructorTable()
{
    record(73, "endCompactTokenDestructorTable", {});
}

void RecordingEmitter::noCompactTokenDestructorTable()
{
    record(74, "noCompactTokenDestructorTable", {});
}

void RecordingEmitter::parserName(bool begin, std::string_view name)
{
    record(75, "parserName", {describe(begin), describe(name)});
}

void RecordingEmitter::constructorBlock(bool begin, std::string_view name)
{
    record(76, "constructorBlock", {describe(begin), describe(name)});
}

void RecordingEmitter::destructorBlock(bool begin, std::string_view name)
{
    record(77, "destructorBlock", {describe(begin), describe(name)});
}

} // namespace brannock::testing
