#include "brannock/testing/RecordingEmitter.h"

#include <algorithm>
#include <iterator>
#include <variant>

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

// Described as the operations were given them: the number or none, the
// token or all.
std::string describe(const SymbolValue& symbol) { return describe(symbol.number); }
std::string describe(const RunToken& run) { return describe(run.token); }

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

void RecordingEmitter::record(int slot, std::string operation, std::vector<std::string> arguments) const
{
    calls_.push_back(Call{slot, std::move(operation), std::move(arguments)});
}

void RecordingEmitter::recordTable(Table table, TablePart part, std::vector<std::string> arguments) const
{
    // The names the operations carry, in table order.
    static constexpr std::string_view kNames[] = {
        "Symbol",
        "Rule",
        "Reduction",
        "TokenAction",
        "StateAction",
        "CompactTokenAction",
        "CompactStateAction",
        "NonterminalGoto",
        "StateGoto",
        "CompactNonterminalGoto",
        "CompactStateGoto",
        "StateDestructor",
        "TokenDestructor",
        "TokenDestructorBase",
        "CompactTokenDestructor",
    };
    static_assert(std::size(kNames) == static_cast<std::size_t>(Table::CompactTokenDestructor) + 1);
    const int t = static_cast<int>(table);
    const std::string name(kNames[t]);
    std::string operation;
    switch (part) {
    case TablePart::Begin:
        operation = "begin" + name + "Table";
        break;
    case TablePart::Row:
        operation = static_cast<char>(name[0] - 'A' + 'a') + name.substr(1) + "Row";
        break;
    case TablePart::End:
        operation = "end" + name + "Table";
        break;
    case TablePart::Absent:
        operation = "no" + name + "Table";
        break;
    }
    // From slot 26 the tables follow one another, each with its begin, row
    // and end operations and a destructor table with a fourth for when it
    // is absent.
    const int destructorTablesBefore = std::max(0, t - static_cast<int>(Table::StateDestructor));
    const int slot = 26 + 3 * t + destructorTablesBefore + static_cast<int>(part);
    record(slot, std::move(operation), std::move(arguments));
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

void RecordingEmitter::beginTable(Table table, std::optional<int> size)
{
    recordTable(table, TablePart::Begin, size ? std::vector{describe(*size)} : std::vector<std::string>{});
}

void RecordingEmitter::tableRow(Table table, int index, std::span<const TableValue> values)
{
    std::vector<std::string> arguments{describe(index)};
    for (const TableValue& value : values)
        arguments.push_back(std::visit([](const auto& v) { return describe(v); }, value));
    recordTable(table, TablePart::Row, std::move(arguments));
}

void RecordingEmitter::endTable(Table table, std::optional<int> size)
{
    recordTable(table, TablePart::End, size ? std::vector{describe(*size)} : std::vector<std::string>{});
}

// The operation has no size, which an absent table's is known to be.
void RecordingEmitter::absentTable(Table table, std::optional<int>) { recordTable(table, TablePart::Absent, {}); }

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
