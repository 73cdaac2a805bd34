/* The single-model Unicode scanner interface of yl. A Unicode scanner reads
   UTF-8 and scans UTF-16 code units, which its text holds in wchar_t. */
#ifndef YYWLEX_H
#define YYWLEX_H

#include <wchar.h>
#include "yybase.h"

#ifndef YYWINT_T_DEFINED
#define YYWINT_T_DEFINED
typedef int yywint_t;
#endif

#ifndef YYLTYPES_WIDE
#define YYLTYPES_WIDE
#define YYLN(stem) yyw##stem
#include "yyltypes.h"
#undef YYLN
#endif

#define YYLN(stem) yyw##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#define YYLMAXTYPE long
#include "yyltmpl.h"
#undef YYLN
#undef YYLCHAR
#undef YYLINT
#undef YYLMAXTYPE

#ifdef __cplusplus
extern "C" {
#endif
/* The yacc name of the scanner, which a parser calls. */
int YYCDECL yylex(void);
#ifdef __cplusplus
}
#endif

#define BEGIN yywstart =
#define YY_START (yywstart)
#define YYSTATE YY_START
#define ECHO yywecho()
#define REJECT do { yywrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yywmoreflg = YYTRUE)
#define yyterminate() return 0

/* Actions are written against the lex names; a Unicode scanner spells its
   variables with yyw, so the lex names follow them unless the program
   wants its own. */
#ifndef YYWNOLEXNAMES
#define yytext yywtext
#define yyleng yywleng
#define yylineno yywlineno
#define yyin yywin
#define yyout yywout
#define yywrap yywwrap
#define yyless yywless
#endif

#endif
