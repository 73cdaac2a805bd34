/*
[Unicode]
The single-model Unicode parsing engine.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

#define YYPN(stem) yyw##stem
#define YYPCHAR wchar_t
#define YYPTK_ERROR YYWTK_ERROR
#define YYPTK_ALL YYWTK_ALL
/* fprintf converts wide strings itself, so the trace never changes the
   orientation of the stream. */
#define YYPTRACESTR "%ls"
#include "yypengine.h"
