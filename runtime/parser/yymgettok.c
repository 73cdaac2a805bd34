/*
[MBCS]
Default token source of a parser object: the user's yacc lexer, which
knows no object.
*/
#include "yympars.h"

int YYCDECL yymgettoken(yymparser_t YYFAR *yy)
{
	(void) yy;
	return yylex();
}
