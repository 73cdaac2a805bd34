#pragma once

#include "toolframe/diagnostics/MessageCatalog.h"

namespace lindle {

// The numbers of Lindle's messages, by what they say; the texts are in
// Messages.cpp. The numbers the two tools share (1001 to 1019) are the
// frame's toolframe::SharedMessage and toolframe::SourceEndMessage.
using enum toolframe::SourceEndMessage;

enum Message : int {
    InvalidTransitionRange = 1020,

    IllegalMultibyteCharacter = 2001,
    LineTooLong = 2002,
    UnrecognisedCharacter = 2003,
    InvalidLexEscape = 2004,
    InvalidKeyword = 2005,
    HexIntegerWithoutDigits = 2006,
    IntegerTooBig = 2007,
    SyntaxError = 2008,
    MissingToken = 2009,
    UnexpectedToken = 2010,
    DuplicateNameDeclaration = 2011,
    UnconvertibleUnicodeCharacter = 2012,
    NewlineInCharacterEscape = 2013,
    NewlineInCharacterString = 2014,
    NewlineInCharacterClass = 2015,
    EmptyClassExpression = 2016,
    InvalidClassExpression = 2017,
    ClassExpressionLosesCharacters = 2018,
    HexCharacterWithoutDigits = 2019,
    HexCharacterTooBig = 2020,
    OctalCharacterTooBig = 2021,
    MultibyteCharacterTooBig = 2022,
    StartStateExclusivityRedeclared = 2023,
    UndeclaredStartState = 2024,
    IntegerOutOfRange = 2025,
    DuplicateTableEntry = 2026,
    DuplicateMacro = 2027,
    UndefinedMacro = 2028,
    MacroReferenceUnclosed = 2029,
    RecursiveMacroReference = 2030,
    OutOfMacroExpansionSpace = 2031,
    InvalidCodePage = 2032,
    UnconvertibleToUnicode = 2033,
    UnconvertibleToCodePage = 2034,
    UnconvertibleToOemCodePage = 2035,
    UnconvertibleToAsciiCodePage = 2036,
    InvalidMultibyteCharacter = 2037,
    InvalidMultibyteCharacterInCodePage = 2038,
    InvalidMultibyteCharacterInOemCodePage = 2039,
    InvalidMultibyteCharacterInAsciiCodePage = 2040,
    StartStateBeforeName = 2041,

    EmptyCharacterString = 4001,
    EmptyCharacterClass = 4002,
    ReversedClassRange = 4003,
    DuplicateStartStateDeclaration = 4004,
    DuplicateStartState = 4005,
    ReversedRange = 4006,
    ExpressionCanBackUpCompletely = 4007,
    ExpressionWillBackUpCompletely = 4008,
    ExpressionNeverMatched = 4009,
};

} // namespace lindle
