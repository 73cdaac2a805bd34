/*
[Unicode]
Default token source: the user's yacc lexer.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

int YYCDECL yywgettoken(void)
{
	return yylex();
}
