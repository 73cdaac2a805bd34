/*
[Unicode]
The multiple-model Unicode scanning engine.
*/
#include "yywmlex.h"

#undef yytext
#undef yyleng
#undef yylineno
#undef yyin
#undef yyout

#define YYLN(stem) yyw##stem
#define YYLM(stem) yywm##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#define YYLWIDE
#include "yylmengine.h"
