#pragma once

#include "toolframe/diagnostics/MessageCatalog.h"

namespace brannock {

// The numbers of Brannock's messages, by what they say; the texts are in
// Messages.cpp. The numbers the two tools share (1001 to 1019) are the
// frame's toolframe::SharedMessage and toolframe::SourceEndMessage.
using enum toolframe::SourceEndMessage;

enum Message : int {
    InvalidActionRange = 1020,
    InvalidTokenDestructorRange = 1021,

    IllegalMultibyteCharacter = 2001,
    LineTooLong = 2002,
    UnrecognisedCharacter = 2003,
    HexIntegerWithoutDigits = 2004,
    IntegerTooBig = 2005,
    InvalidEscapeSequence = 2006,
    InvalidKeyword = 2007,
    SyntaxError = 2008,
    MissingToken = 2009,
    UnexpectedToken = 2010,
    DuplicateNameDeclaration = 2011,
    UnconvertibleUnicodeCharacter = 2012,
    NewlineInCharacterToken = 2013,
    EmptyCharacterToken = 2014,
    HexCharacterWithoutDigits = 2015,
    TooBigForCharacter = 2016,
    TagMissingClose = 2017,
    EmptyTag = 2018,
    EmptyAttributeTag = 2019,
    AttributeOffsetTooBig = 2020,
    DuplicateUnion = 2021,
    StartRedeclared = 2022,
    PrecedenceRedeclared = 2023,
    AssociativityRedeclared = 2024,
    TokenNumberNotUnique = 2025,
    Reinitialisation = 2026,
    TypeRedeclared = 2027,
    AlreadyNonterminal = 2028,
    AlreadyToken = 2029,
    MustBeToken = 2030,
    RulePrecedenceRedeclared = 2031,
    SymbolTypeDifferent = 2032,
    DuplicateSymbolDestructor = 2033,
    DuplicateTypeDestructor = 2034,
    DuplicateUntypedDestructor = 2035,
    UndefinedSymbol = 2036,
    UndefinedNonterminal = 2037,
    UnionBeforeName = 2038,
    TokenDeclarationBeforeName = 2039,
    TypeDeclarationBeforeName = 2040,

    UnrecognisedEscape = 4001,
    DefaultActionTypeClash = 4002,
    UntypedAttribute = 4003,
    SymbolNeverUsed = 4004,
    NonterminalNeverUsed = 4005,
    TokenNeverUsed = 4006,
    ShiftReduceConflict = 4007,
    ReduceReduceConflict = 4008,
    AcceptReduceConflict = 4009,
    TokenNeverShifted = 4010,
    RuleNeverReduced = 4011,
    SymbolNeverPushed = 4012,
    UnassignedLeftSide = 4013,
    ValueBeyondRule = 4014,
};

} // namespace brannock
