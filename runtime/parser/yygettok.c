/*
[MBCS]
Default token source: the user's yacc lexer.
*/
#include "yypars.h"

#ifdef __GNUC__
/* With the engine's hot code, which calls it for every token. */
__attribute__((hot))
#endif
int YYCDECL yygettoken(void)
{
	return yylex();
}
