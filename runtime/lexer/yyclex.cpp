/*
[MBCS]
The C++ byte scanner classes.
*/
#include "yyclex.h"
#include "yycpars.h"

#define YYLN(stem) yy##stem
#define YYLCHAR char
#define YYLINT int
#include "yylcengine.h"
