/*
[Unicode]
The single-model Unicode scanning engine.
*/
#define YYWNOLEXNAMES
#include "yywlex.h"

#define YYLN(stem) yyw##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#define YYLWIDE
#include "yylengine.h"
