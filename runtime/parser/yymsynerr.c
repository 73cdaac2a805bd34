/*
[MBCS]
Default syntax error report: the object's error hook.
*/
#include "yympars.h"

void YYCDECL yymsyntaxerror(yymparser_t YYFAR *yy)
{
	yy->yymerror(yy, "syntax error");
}
