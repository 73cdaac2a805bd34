#include "brannock/Messages.h"

namespace brannock {

namespace {

constexpr toolframe::MessageText kMessages[] = {
    {1012, L"unexpected end of file found"},
    {1013, L"unexpected end of file found in code block"},
    {1014, L"unexpected end of file found in declaration code block"},
    {1015, L"unexpected end of file found in action"},
    {1016, L"unexpected end of file found in comment"},
    {1017, L"unexpected end of file found in code block comment"},
    {1018, L"unexpected end of file found in declaration code block comment"},
    {1019, L"unexpected end of file found in action comment"},
    {1020, L"invalid action range '%d'"},
    {1021, L"invalid token destructor range '%d'"},

    {2001, L"illegal multibyte character '%c'"},
    {2002, L"line too long"},
    {2003, L"unrecognised character '%c'"},
    {2004, L"hex integers must have at least one hex digit"},
    {2005, L"'%s' : integer too big"},
    {2006, L"invalid yacc escape sequence"},
    {2007, L"invalid keyword '%s'"},
    {2008, L"syntax error"},
    {2009, L"syntax error : missing '%s' before '%s'"},
    {2010, L"syntax error : '%s'"},
    {2011, L"duplicate name declaration"},
    {2012, L"unable to convert unicode character '%c' to multibyte character"},
    {2013, L"newline in character token"},
    {2014, L"empty character token"},
    {2015, L"hex characters must have at least one hex digit"},
    {2016, L"'%d' : too big for character"},
    {2017, L"tag missing '>'"},
    {2018, L"empty tag"},
    {2019, L"empty attribute tag"},
    {2020, L"attribute offset too big"},
    {2021, L"duplicate union declaration"},
    {2022, L"re-declaration of start symbol"},
    {2023, L"'%s' : re-declaration of token precedence"},
    {2024, L"'%s' : re-declaration of token associativity"},
    {2025, L"'%s' : token number is not unique"},
    {2026, L"re-initialisation of '%s'"},
    {2027, L"'%s' : re-declaration of symbol type"},
    {2028, L"'%s' : already declared as a nonterminal"},
    {2029, L"'%s' : already declared as a token"},
    {2030, L"'%s' : must be a token"},
    {2031, L"re-declaration of rule precedence"},
    {2032, L"'%s' : symbol type is different"},
    {2033, L"'%s' : duplicate symbol destructor definition"},
    {2034, L"'%s' : duplicate symbol type destructor definition"},
    {2035, L"duplicate untyped symbol destructor definition"},
    {2036, L"undefined symbol '%s'"},
    {2037, L"undefined nonterminal '%s'"},
    {2038, L"union declaration precedes name declaration"},
    {2039, L"token declaration precedes name declaration"},
    {2040, L"symbol type declaration precedes name declaration"},

    {4001, L"'%s' : unrecognised character escape sequence"},
    {4002, L"default copy action uses different types"},
    {4003, L"'%s' : attribute is untyped"},
    {4004, L"'%s' : symbol is declared but never used"},
    {4005, L"'%s' : nonterminal is declared but never used"},
    {4006, L"'%s' : token is declared but never used"},
    {4007, L"shift-reduce conflict on '%s'"},
    {4008, L"reduce-reduce conflict on '%s'"},
    {4009, L"accept-reduce conflict on '%s'"},
    {4010, L"'%s' : token is never shifted"},
    {4011, L"'%s' : rule is never reduced"},
    {4012, L"'%s' : symbol is never pushed"},
    {4013, L"unassigned left-hand-side attribute"},
    {4014, L"'%s' : value lies beyond the rule"},
};

} // namespace

std::span<const toolframe::MessageText> messages() { return kMessages; }

} // namespace brannock
