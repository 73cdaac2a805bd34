/*
[Unicode]
Default token source: the user's yacc lexer.
*/
#define YYWNOYACCNAMES
#include "yywpars.h"

#ifdef __GNUC__
/* With the engine's hot code, which calls it for every token. */
__attribute__((hot))
#endif
int YYCDECL yywgettoken(void)
{
	return yylex();
}
