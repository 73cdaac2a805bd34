/*
[MBCS]
The multiple-model parsing engine.
*/
#include "yympars.h"

#define YYPN(stem) yy##stem
#define YYPM(stem) yym##stem
#define YYPCHAR char
#define YYPTK_ERROR YYTK_ERROR
#define YYPTK_ALL YYTK_ALL
#define YYPTRACESTR "%s"
#include "yypmengine.h"
