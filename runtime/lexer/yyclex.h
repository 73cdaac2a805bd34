/* The C++ byte scanner interface of yl. */
#ifndef YYCLEX_H
#define YYCLEX_H

#undef _YL
#define _YL yl::
#include "yybase.h"

/* The row types of both widths, in the library's namespace. */
namespace yl {
#include "yyltypes.h"
}

#define YYLN(stem) yy##stem
#define YYLCHAR char
#define YYLINT int
#include "yycltmpl.h"
#undef YYLN
#undef YYLCHAR
#undef YYLINT

#include "yyclactions.h"

#endif
