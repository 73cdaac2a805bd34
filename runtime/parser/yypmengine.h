/* Binds the parsing engine to a parser object: every state variable and
   table is a member, every function takes the object first, and the hooks
   are the object's function pointers. The including source defines YYPN,
   YYPM, YYPCHAR, YYPTK_ERROR, YYPTK_ALL and YYPTRACESTR and includes the
   width's multiple-model header first. Not installed. */

#define YYPMULTI
#define YYPV(stem) yy->yym##stem
#define YYPF(stem) YYPM(stem)
#define YYPT(stem) YYPM(stem)
#define YYPOBJ YYPM(parser_t)
#define YYPP0 YYPOBJ YYFAR *yy
#define YYPP YYPOBJ YYFAR *yy,
#define YYPA0 yy
#define YYPA yy,
#define YYPGETTOKEN() yy->yymgettoken(yy)
#define YYPSYNTAXERROR() yy->yymsyntaxerror(yy)
#define YYPSTACKOVERFLOW() yy->yymstackoverflow(yy)
#define YYPDISCARD(token) yy->yymdiscard(yy, token)
#define YYPACTION(action) yy->yymaction(yy, action)
/* Objects built under YYDEBUG carry the debug members and are served by
   the engine compiled with them (the header renames its entry points);
   the other engine has nothing to trace with. */
#ifdef YYDEBUG
#define YYPDEBUGON yy->yymdebug
#define YYPDEBUGOUT yy->yymdebugout
#define YYPSYMBOL yy->yymsymbol
#define YYPRULE yy->yymrule
#else
#define YYPDEBUGON ((void) yy, 0)
#define YYPDEBUGOUT ((void) yy, stdout)
#define YYPSYMBOL ((void) yy, (YYCONST YYPM(symbol_t) *) NULL)
#define YYPRULE ((YYCONST YYPCHAR *YYCONST *) NULL)
#endif

#include "yypengine.h"

int YYCDECL YYPM(createparser)(YYPOBJ YYFAR *yy, YYCONST YYPOBJ YYFAR *src)
{
	size_t size;
	*yy = *src;
	size = yy->yymattribute_size > 0 ? yy->yymattribute_size : 1;
	yy->yymvalptr = calloc(1, size);
	yy->yymlvalptr = calloc(1, size);
	yy->yymsstackptr = NULL;
	yy->yymsattributestackptr = NULL;
	if (yy->yymsstack_size > 0) {
		yy->yymsstackptr = (YYPM(stack_t) *) malloc((size_t) yy->yymsstack_size * sizeof(YYPM(stack_t)));
		yy->yymsattributestackptr = malloc((size_t) yy->yymsstack_size * size);
	}
	else {
		yy->yymsstack_size = 0;
	}
	yy->yymstackptr = yy->yymsstackptr;
	yy->yymattributestackptr = yy->yymsattributestackptr;
	yy->yymstack_size = yy->yymsstack_size;
	if (yy->yymvalptr == NULL || yy->yymlvalptr == NULL ||
	    (yy->yymsstack_size > 0 && (yy->yymsstackptr == NULL || yy->yymsattributestackptr == NULL))) {
		YYPM(destroyparser)(yy);
		return 0;
	}
	return 1;
}

void YYCDECL YYPM(destroyparser)(YYPOBJ YYFAR *yy)
{
	if (yy->yymstackptr != yy->yymsstackptr) {
		free(yy->yymstackptr);
		free(yy->yymattributestackptr);
	}
	free(yy->yymsstackptr);
	free(yy->yymsattributestackptr);
	free(yy->yymvalptr);
	free(yy->yymlvalptr);
	yy->yymstackptr = yy->yymsstackptr = NULL;
	yy->yymattributestackptr = yy->yymsattributestackptr = NULL;
	yy->yymvalptr = yy->yymlvalptr = NULL;
	yy->yymstack_size = yy->yymsstack_size = 0;
}
