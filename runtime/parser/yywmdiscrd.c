/*
[Unicode]
Default for a token thrown away by error recovery: its destructor has
already run, so nothing is left to do.
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

void YYCDECL yywmdiscard(yywmparser_t YYFAR *yy, int token)
{
	(void) yy;
	(void) token;
}
