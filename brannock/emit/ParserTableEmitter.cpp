#include "brannock/emit/ParserTableEmitter.h"

namespace brannock {

using Closing = RunToken::Closing;

void ParserTableEmitter::beginSymbolTable() { beginTable(Table::Symbol, std::nullopt); }

void ParserTableEmitter::symbolRow(int index, std::string_view spelling, std::optional<int> number)
{
    row(Table::Symbol, index, {spelling, SymbolValue{spelling, number}});
}

void ParserTableEmitter::endSymbolTable() { endTable(Table::Symbol, std::nullopt); }

void ParserTableEmitter::beginRuleTable() { beginTable(Table::Rule, std::nullopt); }

void ParserTableEmitter::ruleRow(int index, std::string_view ruleText) { row(Table::Rule, index, {ruleText}); }

void ParserTableEmitter::endRuleTable() { endTable(Table::Rule, std::nullopt); }

void ParserTableEmitter::beginReductionTable() { beginTable(Table::Reduction, std::nullopt); }

void ParserTableEmitter::reductionRow(int index, int nonterminal, int length, int action)
{
    row(Table::Reduction, index, {nonterminal, length, action});
}

void ParserTableEmitter::endReductionTable() { endTable(Table::Reduction, std::nullopt); }

void ParserTableEmitter::beginTokenActionTable(int size) { beginTable(Table::TokenAction, size); }

void ParserTableEmitter::tokenActionRow(int index, int owner, ActionKind kind, int data)
{
    row(Table::TokenAction, index, {owner, kind, data});
}

void ParserTableEmitter::endTokenActionTable() { endTable(Table::TokenAction, std::nullopt); }

void ParserTableEmitter::beginStateActionTable() { beginTable(Table::StateAction, std::nullopt); }

void ParserTableEmitter::stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                                        int defaultData)
{
    row(Table::StateAction, index, {base, hasTokenActions, defaultKind, defaultData});
}

void ParserTableEmitter::endStateActionTable() { endTable(Table::StateAction, std::nullopt); }

void ParserTableEmitter::beginCompactTokenActionTable() { beginTable(Table::CompactTokenAction, std::nullopt); }

void ParserTableEmitter::compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind,
                                               int data)
{
    row(Table::CompactTokenAction, index, {RunToken{token, Closing::AllTokens}, kind, data});
}

void ParserTableEmitter::endCompactTokenActionTable() { endTable(Table::CompactTokenAction, std::nullopt); }

void ParserTableEmitter::beginCompactStateActionTable() { beginTable(Table::CompactStateAction, std::nullopt); }

void ParserTableEmitter::compactStateActionRow(int index, int start)
{
    row(Table::CompactStateAction, index, {start});
}

void ParserTableEmitter::endCompactStateActionTable() { endTable(Table::CompactStateAction, std::nullopt); }

void ParserTableEmitter::beginNonterminalGotoTable(int size) { beginTable(Table::NonterminalGoto, size); }

void ParserTableEmitter::nonterminalGotoRow(int index, int owner, int target)
{
    row(Table::NonterminalGoto, index, {owner, target});
}

void ParserTableEmitter::endNonterminalGotoTable() { endTable(Table::NonterminalGoto, std::nullopt); }

void ParserTableEmitter::beginStateGotoTable() { beginTable(Table::StateGoto, std::nullopt); }

void ParserTableEmitter::stateGotoRow(int index, int base, int defaultState)
{
    row(Table::StateGoto, index, {base, defaultState});
}

void ParserTableEmitter::endStateGotoTable() { endTable(Table::StateGoto, std::nullopt); }

void ParserTableEmitter::beginCompactNonterminalGotoTable()
{
    beginTable(Table::CompactNonterminalGoto, std::nullopt);
}

void ParserTableEmitter::compactNonterminalGotoRow(int index, int nonterminal, int target)
{
    row(Table::CompactNonterminalGoto, index, {nonterminal, target});
}

void ParserTableEmitter::endCompactNonterminalGotoTable() { endTable(Table::CompactNonterminalGoto, std::nullopt); }

void ParserTableEmitter::beginCompactStateGotoTable() { beginTable(Table::CompactStateGoto, std::nullopt); }

void ParserTableEmitter::compactStateGotoRow(int index, int start) { row(Table::CompactStateGoto, index, {start}); }

void ParserTableEmitter::endCompactStateGotoTable() { endTable(Table::CompactStateGoto, std::nullopt); }

void ParserTableEmitter::beginStateDestructorTable() { beginTable(Table::StateDestructor, std::nullopt); }

void ParserTableEmitter::stateDestructorRow(int index, int destructor)
{
    row(Table::StateDestructor, index, {destructor});
}

void ParserTableEmitter::endStateDestructorTable() { endTable(Table::StateDestructor, std::nullopt); }

void ParserTableEmitter::noStateDestructorTable() { absentTable(Table::StateDestructor, std::nullopt); }

void ParserTableEmitter::beginTokenDestructorTable() { beginTable(Table::TokenDestructor, std::nullopt); }

void ParserTableEmitter::tokenDestructorRow(int index, int owner, int destructor)
{
    row(Table::TokenDestructor, index, {owner, destructor});
}

void ParserTableEmitter::endTokenDestructorTable(int size) { endTable(Table::TokenDestructor, size); }

void ParserTableEmitter::noTokenDestructorTable() { absentTable(Table::TokenDestructor, 0); }

void ParserTableEmitter::beginTokenDestructorBaseTable() { beginTable(Table::TokenDestructorBase, std::nullopt); }

void ParserTableEmitter::tokenDestructorBaseRow(int index, int base)
{
    row(Table::TokenDestructorBase, index, {base});
}

void ParserTableEmitter::endTokenDestructorBaseTable(int size) { endTable(Table::TokenDestructorBase, size); }

void ParserTableEmitter::noTokenDestructorBaseTable() { absentTable(Table::TokenDestructorBase, 0); }

void ParserTableEmitter::beginCompactTokenDestructorTable()
{
    beginTable(Table::CompactTokenDestructor, std::nullopt);
}

void ParserTableEmitter::compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor)
{
    row(Table::CompactTokenDestructor, index, {RunToken{token, Closing::NoToken}, destructor});
}

void ParserTableEmitter::endCompactTokenDestructorTable() { endTable(Table::CompactTokenDestructor, std::nullopt); }

void ParserTableEmitter::noCompactTokenDestructorTable() { absentTable(Table::CompactTokenDestructor, std::nullopt); }

} // namespace brannock
