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

#include "yyltypes.h"

#define YYLN(stem) yyw##stem
#define YYLM(stem) yywm##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#include "yylmtmpl.h"
#undef YYLN
#undef YYLM
#undef YYLCHAR
#undef YYLINT

#include "yylmactions.h"
/* The actions' functions of the Unicode object. */
#define yymecho yywmecho
#define yymless yywmless

#endif
