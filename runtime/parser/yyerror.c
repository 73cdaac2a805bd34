/*
[MBCS]
Default yyerror for programs that bring none.
*/
#include "yypars.h"

void YYCDECL yyerror(YYCONST char *text)
{
	fprintf(stderr, "%s\n", text);
}
