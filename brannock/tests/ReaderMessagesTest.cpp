#include <gtest/gtest.h>

#include "GrammarReading.h"

using brannock::testing::GrammarReading;

// Every message the reader and the model give, each from a small grammar
// and at its line, grouped by theme.
namespace {

struct Case {
    const char* what;
    std::string grammar;
    std::string messages;
};

void expectMessages(const std::vector<Case>& cases, brannock::ToolOptions options = {})
{
    for (const Case& c : cases) {
        GrammarReading reading(c.grammar, options);
        EXPECT_EQ(reading.messages(), c.messages) << c.what;
    }
}

} // namespace

TEST(ReaderMessages, Lexical)
{
    expectMessages({
        {"lead byte at end of file", "%%\ns : ;\n\xc3", "g.y(3) : error Y2001: illegal multibyte character '0xc3'\n"},
        {"lead byte before a zero byte", std::string("%%\ns : ;\n\xe2\x82\0;", 13),
         "g.y(3) : error Y2001: illegal multibyte character '0xe28200'\n"
         "g.y(3) : error Y2003: unrecognised character '0x00'\n"
         "g.y(3) : error Y2010: syntax error : ';'\n"},
        {"unrecognised characters", "%%\ns : @ ;\nt : / ;\n",
         "g.y(2) : error Y2003: unrecognised character '0x40'\n"
         "g.y(3) : error Y2003: unrecognised character '0x2f'\n"},
        {"unrecognised multibyte character", "%%\ns : \xc3\xa9 \xe2\x82\xac ;\n",
         "g.y(2) : error Y2003: unrecognised character '0xe9'\n"
         "g.y(2) : error Y2003: unrecognised character '0x20ac'\n"},
        {"hex without digits", "%token A 0x\n%%\ns : A ;\n",
         "g.y(1) : error Y2004: hex integers must have at least one hex digit\n"},
        {"integer too big", "%token A 4294967296\n%token B 4294967295\n%%\ns : A B ;\n",
         "g.y(1) : error Y2005: '4294967296' : integer too big\n"
         "g.y(2) : error Y2005: '4294967295' : integer too big\n"},
        // A token is an int in the generated code: the largest one fits,
        // the next one counted from it does not.
        {"token number beyond an int", "%token A 2147483647\n%token C 2147483648\n%token B\n%%\ns : A B C ;\n",
         "g.y(2) : error Y2005: '2147483648' : integer too big\n"
         "g.y(3) : error Y2005: '2147483649' : integer too big\n"},
        // The number as written, whichever of the two limits it passes.
        {"hex token number beyond an int", "%token A 0xffffffff\n%token B 0x100000000\n%%\ns : A B ;\n",
         "g.y(1) : error Y2005: '0xffffffff' : integer too big\n"
         "g.y(2) : error Y2005: '0x100000000' : integer too big\n"},
        {"invalid escape after %", "%!\n%%\ns : ;\n",
         "g.y(1) : error Y2006: invalid yacc escape sequence\n"
         "g.y(1) : error Y2003: unrecognised character '0x21'\n"},
        {"invalid keyword", "%tokens A\n%%\ns : ;\n", "g.y(1) : error Y2007: invalid keyword '%tokens'\n"
                                                    "g.y(1) : error Y2010: syntax error : 'identifier'\n"},
        {"newline in character token", "%%\ns : 'a\n ;\n", "g.y(2) : error Y2013: newline in character token\n"},
        {"empty character token", "%%\ns : '' ;\n", "g.y(2) : error Y2014: empty character token\n"},
        {"hex character without digits", "%%\ns : '\\x' 'a' ;\n",
         "g.y(2) : error Y2015: hex characters must have at least one hex digit\n"},
        {"too big for a character", "%%\ns : '\\400' ;\n",
         // Masked to 0, the number of the end of input.
         "g.y(2) : error Y2016: '256' : too big for character\n"
         "g.y(2) : error Y2025: ''\\400'' : token number is not unique\n"},
        {"tag missing its close", "%token <a b\n%%\ns : b { } ;\n", "g.y(1) : error Y2017: tag missing '>'\n"},
        {"empty tag", "%token <> b\n%%\ns : b ;\n", "g.y(1) : error Y2018: empty tag\n"},
        {"unrecognised escape", "%%\ns : '\\q' ;\n",
         "g.y(2) : warning Y4001: 'q' : unrecognised character escape sequence\n"},
    });
}

TEST(ReaderMessages, LongLines)
{
    const std::string fits(2046, ' ');
    GrammarReading ok("%%\ns :" + fits.substr(4) + ";\n");
    EXPECT_EQ(ok.messages(), "");
    // Too long: what fits is still scanned, the next line is read as usual.
    GrammarReading tooLong("%%\ns : ;" + std::string(2046, ' ') + "@\nt : @ ;\n");
    EXPECT_EQ(tooLong.messages(), "g.y(2) : error Y2002: line too long\n"
                                  "g.y(3) : error Y2003: unrecognised character '0x40'\n");
}

TEST(ReaderMessages, EndOfFileInsideBlocks)
{
    expectMessages({
        {"character token", "%%\ns : 'a", "g.y(2) : fatal error Y1012: unexpected end of file found\n"},
        {"code block", "%{\nint x;\n", "g.y(2) : fatal error Y1013: unexpected end of file found in code block\n"},
        {"declaration code block", "%union {\nint x;\n",
         "g.y(2) : fatal error Y1014: unexpected end of file found in declaration code block\n"},
        {"action", "%%\ns : { x;\n", "g.y(2) : fatal error Y1015: unexpected end of file found in action\n"},
        {"equals action", "%%\ns : = x\n", "g.y(2) : fatal error Y1015: unexpected end of file found in action\n"},
        {"comment", "%%\ns : /* x\n", "g.y(2) : fatal error Y1016: unexpected end of file found in comment\n"},
        {"code block comment", "%{\n/* x\n",
         "g.y(2) : fatal error Y1017: unexpected end of file found in code block comment\n"},
        {"declaration code block comment", "%union { // x",
         "g.y(1) : fatal error Y1018: unexpected end of file found in declaration code block comment\n"},
        {"action comment", "%%\ns : { /* }",
         "g.y(2) : fatal error Y1019: unexpected end of file found in action comment\n"},
    });
}

TEST(ReaderMessages, Declarations)
{
    expectMessages({
        {"two names", "%name a\n%name b\n%%\ns : ;\n", "g.y(2) : error Y2011: duplicate name declaration\n"},
        {"two unions", "%union { int a; }\n%union { int b; }\n%%\ns : ;\n",
         "g.y(2) : error Y2021: duplicate union declaration\n"},
        {"two start symbols", "%start a\n%start b\n%%\na : ;\n", "g.y(2) : error Y2022: re-declaration of start symbol\n"},
        {"precedence again", "%left A\n%left A\n%%\ns : A ;\n",
         "g.y(2) : error Y2023: 'A' : re-declaration of token precedence\n"},
        {"associativity again", "%left A\n%right A\n%%\ns : A ;\n",
         "g.y(2) : error Y2024: 'A' : re-declaration of token associativity\n"},
        {"number not unique", "%token A 300\n%token B 300\n%%\ns : A B ;\n",
         "g.y(2) : error Y2025: 'B' : token number is not unique\n"},
        {"number changed", "%token A 300\n%token A 301\n%%\ns : A ;\n", "g.y(2) : error Y2026: re-initialisation of 'A'\n"},
        {"type changed", "%token <x> A\n%type <y> A\n%%\ns : A { } ;\n",
         "g.y(2) : error Y2027: 'A' : re-declaration of symbol type\n"},
        {"token that is a nonterminal", "%nonterm a\n%token a\n%%\na : ;\n",
         "g.y(2) : error Y2028: 'a' : already declared as a nonterminal\n"},
        {"start symbol that is a token", "%token A\n%start A\n%%\ns : A ;\n",
         "g.y(2) : error Y2029: 'A' : already declared as a token\n"},
        {"nonterminal that is a token", "%token A\n%nonterm A\n%%\ns : A ;\n",
         "g.y(2) : error Y2029: 'A' : already declared as a token\n"},
    });
}

TEST(ReaderMessages, JavaNeedsTheNameFirst)
{
    brannock::ToolOptions java;
    java.targetLanguage = toolframe::TargetLanguage::Java;
    expectMessages({{"everything before the name", "%union { int a; }\n%token A\n%type <a> s\n%name p\n%%\ns : A { } ;\n",
                     "g.y(4) : error Y2038: union declaration precedes name declaration\n"
                     "g.y(4) : error Y2039: token declaration precedes name declaration\n"
                     "g.y(4) : error Y2040: symbol type declaration precedes name declaration\n"},
                    {"name first", "%name p\n%union { int a; }\n%token A\n%%\ns : A ;\n", ""}},
                   java);
    // Other targets do not mind.
    expectMessages({{"C", "%union { int a; }\n%token A\n%name p\n%%\ns : A ;\n", ""}});
}

TEST(ReaderMessages, Rules)
{
    expectMessages({
        {"missing semicolon before the next rule", "%token A\n%%\ns : A\nt : A ;\n",
         "g.y(4) : error Y2009: syntax error : missing ';' before 'identifier'\n"},
        {"missing semicolon at the end", "%token A\n%%\ns : A\n",
         "g.y(3) : error Y2009: syntax error : missing ';' before 'end of file'\n"},
        {"missing colon", "%token A\n%%\ns A ;\n", "g.y(3) : error Y2009: syntax error : missing ':' before 'identifier'\n"},
        {"missing separator", "%token A\ns : A ;\n",
         // s joins the token list; the colon cannot go on.
         "g.y(2) : error Y2010: syntax error : ':'\n"
         "g.y(2) : error Y2009: syntax error : missing '%%' before 'end of file'\n"
         "g.y(2) : error Y2010: syntax error : 'end of file'\n"},
        {"stray token in the rules", "%token A\n%%\n, s : A ;\n", "g.y(3) : error Y2010: syntax error : ','\n"},
        {"stray bar", "%%\n| s : ;\n", "g.y(2) : error Y2010: syntax error : '|'\n"},
        {"left side is a token", "%token A\n%%\nA : ;\n", "g.y(3) : error Y2029: 'A' : already declared as a token\n"},
        {"precedence of a nonterminal", "%token A\n%%\ns : A %prec t ;\nt : A ;\n",
         "g.y(3) : error Y2030: 't' : must be a token\n"},
        {"two precedences", "%left A B\n%%\ns : A %prec A %prec B ;\n",
         "g.y(3) : error Y2031: re-declaration of rule precedence\n"},
        {"two destructors", "%token A\n%%\ns : A ;\n~ A : { } ;\n~ A : { } ;\n",
         "g.y(5) : error Y2033: 'A' : duplicate symbol destructor definition\n"},
        {"two type destructors", "%token <t> A\n%%\ns : A { } ;\n~ <t> : { } ~ <t> : { }\n",
         "g.y(4) : error Y2034: 't' : duplicate symbol type destructor definition\n"},
        {"two untyped destructors", "%%\ns : ;\n~ : { } ;\n~ : { } ;\n",
         "g.y(4) : error Y2035: duplicate untyped symbol destructor definition\n"},
        {"default action between types", "%token <a> A\n%type <b> s\n%%\ns : A ;\n",
         "g.y(4) : warning Y4002: default copy action uses different types\n"},
        {"empty rule of a typed left side", "%type <b> s\n%%\ns : ;\n",
         "g.y(3) : warning Y4013: unassigned left-hand-side attribute\n"},
        {"no rules at all", "%token A\n%%\n", "g.y(2) : error Y2010: syntax error : 'end of file'\n"},
    });
}

TEST(ReaderMessages, ValuesBeyondTheRule)
{
    expectMessages({
        {"past the last item, no types in use", "%%\ne : '(' e ')' { $$ = $4; } | 'x' ;\n",
         "g.y(2) : warning Y4014: '$4' : value lies beyond the rule\n"},
        {"the last item and those below the rule", "%%\ne : '(' e ')' { $$ = $3 + $0 + $-1 + $-0; } | 'x' ;\n", ""},
        {"with a sign", "%%\ne : 'x' { $$ = $+1 + $+2; } ;\n",
         "g.y(2) : warning Y4014: '$+2' : value lies beyond the rule\n"},
        {"tagged", "%union { int i; }\n%%\ne : 'x' { $<i>$ = $<i>2; } ;\n",
         "g.y(3) : warning Y4014: '$<i>2' : value lies beyond the rule\n"},
        {"types in use: untyped, as any value without a type", "%union { int i; }\n%type <i> e\n%%\ne : 'x' { $$ = $2; } ;\n",
         "g.y(4) : warning Y4003: '$2' : attribute is untyped\n"},
        {"types in use, tagged", "%union { int i; }\n%type <i> e\n%%\ne : 'x' { $$ = $<i>2; } ;\n",
         "g.y(4) : warning Y4014: '$<i>2' : value lies beyond the rule\n"},
        {"a mid-rule action counts the items before it", "%%\ne : 'a' { $$ = $1 + $2; } 'b' ;\n",
         "g.y(2) : warning Y4014: '$2' : value lies beyond the rule\n"},
        {"the final action counts the mid-rule action",
         "%%\ne : 'a' { $$ = $1; } 'b' { $$ = $1 + $2 + $3 + $4; } ;\n",
         "g.y(2) : warning Y4014: '$4' : value lies beyond the rule\n"},
        {"an action after an action", "%%\ne : 'a' { $$ = $1; } { $$ = $2 + $3; } ;\n",
         "g.y(2) : warning Y4014: '$3' : value lies beyond the rule\n"},
        {"an empty rule", "%%\ne : { $$ = $1; } ;\n", "g.y(2) : warning Y4014: '$1' : value lies beyond the rule\n"},
        {"each form once", "%%\ne : 'a' { $$ = $2 + $2; } ;\n",
         "g.y(2) : warning Y4014: '$2' : value lies beyond the rule\n"
         "g.y(2) : warning Y4014: '$2' : value lies beyond the rule\n"},
    });
}

TEST(ReaderMessages, Definitions)
{
    expectMessages({
        {"undefined symbol", "%%\ns : expr ;\n", "g.y(2) : error Y2036: undefined symbol 'expr'\n"},
        {"undefined nonterminal", "%nonterm e\n%%\ns : e ;\n", "g.y(1) : error Y2037: undefined nonterminal 'e'\n"},
        {"start symbol without rules", "%start e\n%%\ns : ;\n", "g.y(1) : error Y2037: undefined nonterminal 'e'\n"},
        {"declared symbol never used", "%type <t> x\n%%\ns : ;\n", "g.y(1) : warning Y4004: 'x' : symbol is declared but never used\n"},
        {"nonterminal never used", "%nonterm e\n%%\ns : ;\n",
         "g.y(1) : warning Y4005: 'e' : nonterminal is declared but never used\n"},
        {"token never used", "%token A B\n%%\ns : A ;\n", "g.y(1) : warning Y4006: 'B' : token is declared but never used\n"},
        {"token named only by %prec", "%token N\n%left '-'\n%right UMINUS\n%%\ne : N | e '-' e | '-' e %prec UMINUS ;\n",
         ""},
        {"character token named only by %prec", "%token N\n%left '-'\n%right '~'\n%%\ne : N | e '-' e | '-' e %prec '~' ;\n",
         ""},
        {"token named only by the %prec of a mid-rule alternative", "%token N MARK\n%%\ne : N { } N %prec MARK ;\n", ""},
        {"token with precedence no rule names", "%token N\n%right UMINUS\n%%\ne : N ;\n",
         "g.y(2) : warning Y4006: 'UMINUS' : token is declared but never used\n"},
        {"nonterminal with rules nobody uses", "%%\ns : ;\nt : ;\n", ""},
        {"the parser's name is no symbol", "%name calc\n%%\ns : ;\n", ""},
    });
}

TEST(ReaderMessages, ProgramSection)
{
    GrammarReading reading("%%\ns : ;\n%%\nint main() { return 0; }\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_TRUE(reading.programSection());
    GrammarReading blank("%%\ns : ;\n%%\n  \n");
    EXPECT_FALSE(blank.programSection());
    GrammarReading none("%%\ns : ;\n");
    EXPECT_FALSE(none.programSection());
}
