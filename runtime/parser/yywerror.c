/*
[Unicode]
Default yyerror for programs that bring none.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

void YYCDECL yyerror(YYCONST char *text)
{
	fprintf(stderr, "%s\n", text);
}
