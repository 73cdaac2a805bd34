/*
[MBCS]
The C++ byte parser classes.
*/
#include "yycpars.h"
#include "yyclex.h"

#define YYPN(stem) yy##stem
#define YYPCHAR char
#define YYPTK_ERROR YYTK_ERROR
#define YYPTK_ALL YYTK_ALL
#define YYPTRACESTR "%s"
#include "yypcengine.h"
