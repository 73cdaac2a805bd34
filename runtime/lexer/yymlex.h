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

#include "yyltypes.h"

#define YYLN(stem) yy##stem
#define YYLM(stem) yym##stem
#define YYLCHAR char
#define YYLINT int
#include "yylmtmpl.h"
#undef YYLN
#undef YYLM
#undef YYLCHAR
#undef YYLINT

#include "yylmactions.h"

#endif
