/*
[MBCS]
Default stack overflow report: the user's yyerror.
*/
#include "yypars.h"

void YYCDECL yystackoverflow(void)
{
	yyerror("yacc stack overflow");
}
