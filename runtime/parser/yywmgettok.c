/*
[Unicode]
Default token source of a parser object: the user's yacc lexer, which
knows no object.
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

int YYCDECL yywmgettoken(yywmparser_t YYFAR *yy)
{
	(void) yy;
	return yylex();
}
