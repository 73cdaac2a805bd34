/* The single-model Unicode scanner interface of yl. A Unicode scanner reads
   UTF-8 and scans UTF-16 code units, which its text holds in wchar_t. */
#ifndef YYWLEX_H
#define YYWLEX_H

#include <wchar.h>
#include "yybase.h"

#include "yyltypes.h"

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

#include "yylactions.h"

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
#define yystart yywstart
#define yyecho yywecho
#define yyrejectflg yywrejectflg
#define yymoreflg yywmoreflg
#endif

#endif
