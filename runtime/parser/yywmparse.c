/*
[Unicode]
The multiple-model parsing engine.
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

#define YYPN(stem) yyw##stem
#define YYPM(stem) yywm##stem
#define YYPCHAR wchar_t
#define YYPTK_ERROR YYWTK_ERROR
#define YYPTK_ALL YYWTK_ALL
#define YYPTRACESTR "%ls"
#include "yypmengine.h"
