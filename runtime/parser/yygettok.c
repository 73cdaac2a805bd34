/*
[MBCS]
Default token source: the user's yacc lexer.
*/
#include "yypars.h"

int YYCDECL yygettoken(void)
{
	return yylex();
}
