/*
[MBCS]
Default stack overflow report: the object's error hook.
*/
#include "yympars.h"

void YYCDECL yymstackoverflow(yymparser_t YYFAR *yy)
{
	yy->yymerror(yy, "yacc stack overflow");
}
