/*
[MBCS]
The single-model byte scanning engine.
*/
#include "yylex.h"

#define YYLN(stem) yy##stem
#define YYLCHAR char
#define YYLINT int
#include "yylengine.h"
