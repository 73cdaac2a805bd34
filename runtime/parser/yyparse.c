/*
[MBCS]
The single-model byte parsing engine.
*/
#include "yypars.h"

#define YYPN(stem) yy##stem
#define YYPCHAR char
#define YYPTK_ERROR YYTK_ERROR
#define YYPTK_ALL YYTK_ALL
#define YYPTRACESTR "%s"
#include "yypengine.h"
