/*
[MBCS]
Default for a token thrown away by error recovery: its destructor has
already run, so nothing is left to do.
*/
#include "yypars.h"

void YYCDECL yydiscard(int token)
{
	(void) token;
}
