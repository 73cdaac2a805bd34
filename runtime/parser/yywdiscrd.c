/*
[Unicode]
Default for a token thrown away by error recovery: its destructor has
already run, so nothing is left to do.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

void YYCDECL yywdiscard(int token)
{
	(void) token;
}
