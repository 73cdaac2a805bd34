/* The multiple-model Unicode parser interface of yl (-mm and -mi). */
#ifndef YYWMPARS_H
#define YYWMPARS_H

#include <wchar.h>
#include "yypbase.h"

/* As in the byte header: NULL streams stand for stderr and stdout, because
   a C static initialiser cannot name stderr on glibc. */
#if !defined(__cplusplus) && !defined(YYNINITSTREAM)
#define YYNINITSTREAM
#endif

/* An object built under YYDEBUG is longer by its debug members, so it is
   parsed, created and destroyed by the engine compiled with them. */
#ifdef YYDEBUG
#define yywmparse yywmdparse
#define yywmcreateparser yywmdcreateparser
#define yywmdestroyparser yywmddestroyparser
#define yywmexit yywmdexit
#define yywmforceerror yywmdforceerror
#define yywmclearlookahead yywmdclearlookahead
#endif

#define YYPN(stem) yyw##stem
#define YYPM(stem) yywm##stem
#define YYPCHAR wchar_t
#include "yypmtmpl.h"
#undef YYPN
#undef YYPM
#undef YYPCHAR

#define YYACCEPT do { yywmexit(yy, 0); return; } while (0)
#define YYABORT do { yywmexit(yy, 1); return; } while (0)
#define YYERROR do { yywmforceerror(yy); return; } while (0)
#define yyerrok (yy->yymskip = 0)
#define yyclearin yywmclearlookahead(yy)
#define YYRECOVERING() (yy->yymskip != 0)

/* The -mm statics of a Unicode parser are spelt with yyw; a lexer written
   against the yacc name follows them unless the program wants its own. */
#ifndef YYWNOYACCNAMES
#define yylval yywlval
#endif

#endif
