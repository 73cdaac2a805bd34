/*
[MBCS]
Default for a token thrown away by error recovery: its destructor has
already run, so nothing is left to do.
*/
#include "yympars.h"

void YYCDECL yymdiscard(yymparser_t YYFAR *yy, int token)
{
	(void) yy;
	(void) token;
}
