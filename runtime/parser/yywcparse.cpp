/*
[Unicode]
The C++ Unicode parser classes.
*/
#include "yywcpars.h"
#include "yywclex.h"

#define YYPN(stem) yyw##stem
#define YYPCHAR wchar_t
#define YYPTK_ERROR YYWTK_ERROR
#define YYPTK_ALL YYWTK_ALL
#define YYPTRACESTR "%ls"
#include "yypcengine.h"
