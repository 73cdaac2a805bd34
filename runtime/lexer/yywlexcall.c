/*
[Unicode]
The yacc name of the Unicode scanner, which a parser calls. A program that
defines its own yylex() keeps it.
*/
#define YYWNOLEXNAMES
#include "yywlex.h"

int YYCDECL yylex(void)
{
	return yywlex();
}
