#pragma once

#include <array>
#include <string>
#include <string_view>

#include "toolframe/emit/TargetLanguage.h"

// Every name that generated code shares with the runtime library yl. The
// emitters spell these names only through here, and the library's own tests
// check its headers against the same lists, so the two cannot drift apart.
namespace toolframe::runtime {

constexpr std::string_view kNamespace = "yl";
// Generated C code says which table form it holds before the declarations.
constexpr std::string_view kFastParserMacro = "YYFASTPARSER";
constexpr std::string_view kCompactParserMacro = "YYCOMPACTPARSER";
constexpr std::string_view kFastLexerMacro = "YYFASTLEXER";
constexpr std::string_view kCompactLexerMacro = "YYCOMPACTLEXER";
// Set by the user for "using namespace std;" and "using namespace yl;".
constexpr std::string_view kStandardLibraryMacro = "YYSTDCPPLIB";
constexpr std::string_view kNamespaceMacro = "YYNAMESPACE";
constexpr std::string_view kJavaImport = "import yl.*;";

constexpr std::string_view kNamePrefix = "yy";
constexpr std::string_view kUnicodeNamePrefix = "yyw";
constexpr std::string_view kMultipleNamePrefix = "yym";
constexpr std::string_view kMacroPrefix = "YY";
constexpr std::string_view kUnicodeMacroPrefix = "YYW";

// The header a generated parser includes.
std::string_view parserHeader(TargetLanguage language, CodeModel model, bool unicode);

// The header a generated lexer includes.
std::string_view lexerHeader(TargetLanguage language, CodeModel model, bool unicode);

// "yy" + stem, or "yyw" + stem in Unicode mode.
std::string name(std::string_view stem, bool unicode);

// "YY" + stem, or "YYW" + stem in Unicode mode.
std::string macro(std::string_view stem, bool unicode);

// Table row types, without prefix: the library defines yy<stem>, yym<stem>
// and yyw<stem> forms.
constexpr std::array<std::string_view, 14> kRowTypeStems = {
    "tokenaction_t", "stateaction_t", "ctokenaction_t", "cstateaction_t", "nontermgoto_t",
    "stategoto_t",   "cnontermgoto_t", "cstategoto_t",  "reduction_t",    "destructor_t",
    "tokendest_t",   "tokendestbase_t", "ctokendest_t", "symbol_t",
};

// The parser tables by their stems, in the order generated code holds them:
// yy<stem> is the table in C and the member or field it is handed to in C++
// and Java, yy<stem>_t its row type (the rule table holds strings), and a
// destructor table is handed over as yy<stem>ptr (Java: yy<stem>ref).
constexpr std::array<std::string_view, 15> kParserTableStems = {
    "symbol",      "rule",         "reduction",      "tokenaction", "stateaction",
    "ctokenaction", "cstateaction", "nontermgoto",   "stategoto",   "cnontermgoto",
    "cstategoto",  "destructor",   "tokendest",      "tokendestbase", "ctokendest",
};

// The scanner tables by their stems, in the order of the emitter's slots:
// yy<stem> is the table and yy<stem>_t its row type (in the multiple models
// the rows of the last three take the object prefix, yym<stem>_t).
constexpr std::array<std::string_view, 5> kLexerTableStems = {
    "match", "backup", "state", "transition", "ctransition",
};

// Action kinds and token placeholders written into the tables; Unicode C
// and C++ use the YYW form of the placeholders.
constexpr std::string_view kActionError = "YYAT_ERROR";
constexpr std::string_view kActionShift = "YYAT_SHIFT";
constexpr std::string_view kActionReduce = "YYAT_REDUCE";
constexpr std::string_view kActionAccept = "YYAT_ACCEPT";
constexpr std::string_view kActionDefault = "YYAT_DEFAULT";
constexpr std::string_view kTokenAllStem = "TK_ALL";
constexpr std::string_view kTokenErrorStem = "TK_ERROR";

// Macros the library defines.
constexpr std::array<std::string_view, 12> kLibraryMacros = {
    "YYCONST",     "YYNEAR", "YYFAR",   "YYNEARFAR", "YYBASED_CODE", "YYDCDECL",
    "YYPROTOTYPE", "YYTRUE", "YYFALSE", "_YL",       "yyassert",     "YYCDECL",
};

// Macros the user may set before the library header.
constexpr std::array<std::string_view, 20> kUserMacros = {
    "YYSTYPE",     "YYSTACK_SIZE", "YYSTACK_MAX",   "YYDEBUG",      "YYNAMESPACE",
    "YYSTDCPPLIB", "YYNINITSTREAM", "YYEXPPARSER",  "YYMEXPPARSER", "YYTEXT_SIZE",
    "YYUNPUT_SIZE", "YYTEXT_MAX",  "YYUNPUT_MAX",   "YYEXPLEXER",   "YYMEXPLEXER",
    "YYLEXERNAME", "YYFASTPARSER", "YYCOMPACTPARSER", "YYPARSERNAME", "YYMERROR",
};

// C++ base classes of generated parsers and lexers.
constexpr std::array<std::string_view, 8> kCppBaseClasses = {
    "yyfparser", "yycparser", "yywfparser", "yywcparser",
    "yyflexer",  "yyclexer",  "yywflexer",  "yywclexer",
};

// The C++ parser base class for a table form and character width.
constexpr std::string_view cppParserBaseClass(bool compactTables, bool unicode)
{
    return kCppBaseClasses[(unicode ? 2 : 0) + (compactTables ? 1 : 0)];
}

// The C++ lexer base class for a table form and character width.
constexpr std::string_view cppLexerBaseClass(bool compactTables, bool unicode)
{
    return kCppBaseClasses[4 + (unicode ? 2 : 0) + (compactTables ? 1 : 0)];
}

// Java: the parser and lexer base classes and the class of the tables all
// instances share (one for a parser's and a lexer's), by table form (fast,
// compact), and the base of the YYSTYPE class.
constexpr std::array<std::string_view, 2> kJavaParserBaseClasses = {"yyfparser", "yycparser"};
constexpr std::array<std::string_view, 2> kJavaLexerBaseClasses = {"yyflexer", "yyclexer"};
constexpr std::string_view javaLexerBaseClass(bool compactTables) { return kJavaLexerBaseClasses[compactTables ? 1 : 0]; }
constexpr std::array<std::string_view, 2> kJavaTablesClasses = {"yyftables", "yyctables"};
constexpr std::string_view kJavaAttributeClass = "yyattribute";
// The tables' common base, whose yyjoin appends a part of a table built in
// a method of its own.
constexpr std::string_view kJavaTablesBaseClass = "yyparsertables";

} // namespace toolframe::runtime
