/*
[Unicode]
Default stack overflow report: the object's error hook.
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

void YYCDECL yywmstackoverflow(yywmparser_t YYFAR *yy)
{
	yy->yymerror(yy, "yacc stack overflow");
}
