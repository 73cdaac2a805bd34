/*
[Unicode]
Default syntax error report: the user's yyerror.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

void YYCDECL yywsyntaxerror(void)
{
	yyerror("syntax error");
}
