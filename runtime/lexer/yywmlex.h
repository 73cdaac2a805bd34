/* The multiple-model Unicode scanner interface of yl (-mm and -mi): UTF-8
   read, UTF-16 code units scanned and held in wchar_t. */
#ifndef YYWMLEX_H
#define YYWMLEX_H

#include <wchar.h>
#include "yybase.h"

/* As in the byte header: NULL streams stand for stdin, stdout and stderr,
   because a C static initialiser cannot name them on glibc. */
#if !defined(__cplusplus) && !defined(YYNINITSTREAM)
#define YYNINITSTREAM
#endif

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
#define YYLM(stem) yywm##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#include "yylmtmpl.h"
#undef YYLN
#undef YYLM
#undef YYLCHAR
#undef YYLINT

#define yytext (yy->yymtext)
#define yyleng (yy->yymleng)
#define yylineno (yy->yymlineno)
#define yyin (yy->yymin)
#define yyout (yy->yymout)
#define BEGIN yy->yymstart =
#define YY_START (yy->yymstart)
#define YYSTATE YY_START
#define ECHO yywmecho(yy)
#define REJECT do { yy->yymrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yy->yymmoreflg = YYTRUE)
#define yyless(n) yywmless(yy, (n))
#define yyterminate() return 0

#endif
