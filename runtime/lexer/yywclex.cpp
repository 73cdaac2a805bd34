/*
[Unicode]
The C++ Unicode scanner classes.
*/
#include "yywclex.h"
#include "yywcpars.h"

#define YYLN(stem) yyw##stem
#define YYLCHAR wchar_t
#define YYLINT yywint_t
#define YYLWIDE
#include "yylcengine.h"
