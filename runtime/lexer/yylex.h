/* The single-model byte scanner interface of yl. */
#ifndef YYLEX_H
#define YYLEX_H

#include "yybase.h"

#ifndef YYLTYPES_BYTE
#define YYLTYPES_BYTE
#define YYLN(stem) yy##stem
#include "yyltypes.h"
#undef YYLN
#endif

#define YYLN(stem) yy##stem
#define YYLCHAR char
#define YYLINT int
#define YYLMAXTYPE int
#include "yyltmpl.h"
#undef YYLN
#undef YYLCHAR
#undef YYLINT
#undef YYLMAXTYPE

/* What lex actions use. A start condition's value is twice its number. */
#define BEGIN yystart =
#define YY_START (yystart)
#define YYSTATE YY_START
#define ECHO yyecho()
/* The action returns at once; the scanner goes on to the next rule that
   matched, or to a shorter match. */
#define REJECT do { yyrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yymoreflg = YYTRUE)
#define yyterminate() return 0

#endif
