/* The row types of the scanner tables in both widths, and the type a
   Unicode action returns, which every scanner header shares. */
#ifndef YYLTYPES_H
#define YYLTYPES_H

typedef int yywint_t;

#define YYLN(stem) yy##stem
#include "yylrows.h"
#undef YYLN
#define YYLN(stem) yyw##stem
#include "yylrows.h"
#undef YYLN

#endif
