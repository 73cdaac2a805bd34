/* The C++ Unicode scanner interface of yl: UTF-8 read, UTF-16 code units
   scanned and held in wchar_t. */
#ifndef YYWCLEX_H
#define YYWCLEX_H

#include <wchar.h>

#undef _YL
#define _YL yl::
#include "yybase.h"

/* The row types of both widths, in the library's namespace. */
namespace yl {
#include "yyltypes.h"
}

#define YYLN(stem) yyw##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#include "yycltmpl.h"
#undef YYLN
#undef YYLCHAR
#undef YYLINT

/* The type a Unicode action returns, which the generated action function
   names before its class. */
typedef yl::yywint_t yywint_t;

#include "yyclactions.h"

#endif
