/*
[MBCS]
Default token source of a parser object: the scanner object it was given
(yymlexerptr), or else the program's yacc lexer, which knows no object.
*/
#include "yympars.h"
#include "yymlex.h"

/* Only a program that scans without an object defines yylex(); a weak
   reference keeps the library's single-model scanner, which needs the
   generated tables, out of a program that has none. */
extern int YYCDECL yylex(void) __attribute__((weak));

#ifdef __GNUC__
/* With the engine's hot code, which calls it for every token. */
__attribute__((hot))
#endif
int YYCDECL yymgettoken(yymparser_t YYFAR *yy)
{
	if (yy->yymlexerptr != NULL) {
		return yymlex((yymlexer_t YYFAR *) yy->yymlexerptr);
	}
	if (yylex == NULL) {
		yy->yymerror(yy, "no token source: set yymlexerptr or define yylex()");
		return 0;
	}
	return yylex();
}
