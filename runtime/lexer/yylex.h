/* The single-model byte scanner interface of yl. */
#ifndef YYLEX_H
#define YYLEX_H

#include "yybase.h"

#include "yyltypes.h"

#define YYLN(stem) yy##stem
#define YYLCHAR char
#define YYLINT int
#define YYLMAXTYPE int
#include "yyltmpl.h"
#undef YYLN
#undef YYLCHAR
#undef YYLINT
#undef YYLMAXTYPE

#include "yylactions.h"

#endif
