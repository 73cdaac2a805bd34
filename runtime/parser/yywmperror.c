/*
[Unicode]
Default error hook of a parser object. A NULL stream stands for stderr,
which is what a C object gets in place of stderr (see the header).
*/
#define YYWNOYACCNAMES
#include "yywmpars.h"

void YYCDECL yywmparsererror(yywmparser_t YYFAR *yy, YYCONST char YYFAR *text)
{
	fprintf(yy->yymerr != NULL ? yy->yymerr : stderr, "%s\n", text);
}
