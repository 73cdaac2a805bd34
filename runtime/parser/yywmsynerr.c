/*
[Unicode]
Default syntax error report: the object's error hook.
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

void YYCDECL yywmsyntaxerror(yywmparser_t YYFAR *yy)
{
	yy->yymerror(yy, "syntax error");
}
