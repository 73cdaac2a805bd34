/* The multiple-model byte scanner interface of yl (-mm and -mi). */
#ifndef YYMLEX_H
#define YYMLEX_H

#include "yybase.h"

/* In C a static object cannot be initialised with stdin, which glibc does
   not make a constant; the object then gets NULL, which the library reads
   as stdin (stdout, stderr). */
#if !defined(__cplusplus) && !defined(YYNINITSTREAM)
#define YYNINITSTREAM
#endif

#ifndef YYLTYPES_BYTE
#define YYLTYPES_BYTE
#define YYLN(stem) yy##stem
#include "yyltypes.h"
#undef YYLN
#endif

#define YYLN(stem) yy##stem
#define YYLM(stem) yym##stem
#define YYLCHAR char
#define YYLINT int
#include "yylmtmpl.h"
#undef YYLN
#undef YYLM
#undef YYLCHAR
#undef YYLINT

/* Every action receives the object as yy. */
#define yytext (yy->yymtext)
#define yyleng (yy->yymleng)
#define yylineno (yy->yymlineno)
#define yyin (yy->yymin)
#define yyout (yy->yymout)
#define BEGIN yy->yymstart =
#define YY_START (yy->yymstart)
#define YYSTATE YY_START
#define ECHO yymecho(yy)
#define REJECT do { yy->yymrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yy->yymmoreflg = YYTRUE)
#define yyless(n) yymless(yy, (n))
#define yyterminate() return 0

#endif
