/*
[MBCS]
The multiple-model byte scanning engine.
*/
#include "yymlex.h"

/* The engine names the members itself. */
#undef yytext
#undef yyleng
#undef yylineno
#undef yyin
#undef yyout

#define YYLN(stem) yy##stem
#define YYLM(stem) yym##stem
#define YYLCHAR char
#define YYLINT int
#include "yylmengine.h"
