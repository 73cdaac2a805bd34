/*
[Unicode]
Default stack overflow report: the user's yyerror.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

void YYCDECL yywstackoverflow(void)
{
	yyerror("yacc stack overflow");
}
