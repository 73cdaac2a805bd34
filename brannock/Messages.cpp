#include "brannock/Messages.h"

#include "brannock/MessageNumbers.h"

namespace brannock {

namespace {

constexpr toolframe::MessageText kMessages[] = {
    {InvalidActionRange, L"invalid action range '%d'"},
    {InvalidTokenDestructorRange, L"invalid token destructor range '%d'"},

    {IllegalMultibyteCharacter, L"illegal multibyte character '%c'"},
    {LineTooLong, L"line too long"},
    {UnrecognisedCharacter, L"unrecognised character '%c'"},
    {HexIntegerWithoutDigits, L"hex integers must have at least one hex digit"},
    {IntegerTooBig, L"'%s' : integer too big"},
    {InvalidEscapeSequence, L"invalid yacc escape sequence"},
    {InvalidKeyword, L"invalid keyword '%s'"},
    {SyntaxError, L"syntax error"},
    {MissingToken, L"syntax error : missing '%s' before '%s'"},
    {UnexpectedToken, L"syntax error : '%s'"},
    {DuplicateNameDeclaration, L"duplicate name declaration"},
    {UnconvertibleUnicodeCharacter, L"unable to convert unicode character '%c' to multibyte character"},
    {NewlineInCharacterToken, L"newline in character token"},
    {EmptyCharacterToken, L"empty character token"},
    {HexCharacterWithoutDigits, L"hex characters must have at least one hex digit"},
    {TooBigForCharacter, L"'%d' : too big for character"},
    {TagMissingClose, L"tag missing '>'"},
    {EmptyTag, L"empty tag"},
    {EmptyAttributeTag, L"empty attribute tag"},
    {AttributeOffsetTooBig, L"attribute offset too big"},
    {DuplicateUnion, L"duplicate union declaration"},
    {StartRedeclared, L"re-declaration of start symbol"},
    {PrecedenceRedeclared, L"'%s' : re-declaration of token precedence"},
    {AssociativityRedeclared, L"'%s' : re-declaration of token associativity"},
    {TokenNumberNotUnique, L"'%s' : token number is not unique"},
    {Reinitialisation, L"re-initialisation of '%s'"},
    {TypeRedeclared, L"'%s' : re-declaration of symbol type"},
    {AlreadyNonterminal, L"'%s' : already declared as a nonterminal"},
    {AlreadyToken, L"'%s' : already declared as a token"},
    {MustBeToken, L"'%s' : must be a token"},
    {RulePrecedenceRedeclared, L"re-declaration of rule precedence"},
    {SymbolTypeDifferent, L"'%s' : symbol type is different"},
    {DuplicateSymbolDestructor, L"'%s' : duplicate symbol destructor definition"},
    {DuplicateTypeDestructor, L"'%s' : duplicate symbol type destructor definition"},
    {DuplicateUntypedDestructor, L"duplicate untyped symbol destructor definition"},
    {UndefinedSymbol, L"undefined symbol '%s'"},
    {UndefinedNonterminal, L"undefined nonterminal '%s'"},
    {UnionBeforeName, L"union declaration precedes name declaration"},
    {TokenDeclarationBeforeName, L"token declaration precedes name declaration"},
    {TypeDeclarationBeforeName, L"symbol type declaration precedes name declaration"},

    {UnrecognisedEscape, L"'%s' : unrecognised character escape sequence"},
    {DefaultActionTypeClash, L"default copy action uses different types"},
    {UntypedAttribute, L"'%s' : attribute is untyped"},
    {SymbolNeverUsed, L"'%s' : symbol is declared but never used"},
    {NonterminalNeverUsed, L"'%s' : nonterminal is declared but never used"},
    {TokenNeverUsed, L"'%s' : token is declared but never used"},
    {ShiftReduceConflict, L"shift-reduce conflict on '%s'"},
    {ReduceReduceConflict, L"reduce-reduce conflict on '%s'"},
    {AcceptReduceConflict, L"accept-reduce conflict on '%s'"},
    {TokenNeverShifted, L"'%s' : token is never shifted"},
    {RuleNeverReduced, L"'%s' : rule is never reduced"},
    {SymbolNeverPushed, L"'%s' : symbol is never pushed"},
    {UnassignedLeftSide, L"unassigned left-hand-side attribute"},
    {ValueBeyondRule, L"'%s' : value lies beyond the rule"},
};
static_assert(toolframe::numbersRiseStrictly(kMessages));

} // namespace

toolframe::MessageCatalog messageCatalog()
{
    return toolframe::MessageCatalog(kMessages, toolframe::kSourceEndMessages);
}

} // namespace brannock
