/*
[MBCS]
Default syntax error report: the user's yyerror.
*/
#include "yypars.h"

void YYCDECL yysyntaxerror(void)
{
	yyerror("syntax error");
}
