/* Binds the scanning engine to a scanner object: every state variable and
   table is a member, every function takes the object first, and the hooks
   are the object's function pointers. The including source defines YYLN,
   YYLM, YYLCHAR and YYLINT (and YYLWIDE for Unicode) and includes the
   width's multiple-model header first. Not installed. */

#define YYLMULTI
#define YYLV(stem) yy->yym##stem
#define YYLF(stem) YYLM(stem)
#define YYLP0 YYLM(lexer_t) YYFAR *yy
#define YYLP YYLM(lexer_t) YYFAR *yy,
#define YYLA0 yy
#define YYLA yy,
#define YYLGETCHAR() yy->yymgetchar(yy)
#define YYLINPUT() yy->yyminput(yy)
#define YYLOUTPUT(ch) yy->yymoutput(yy, ch)
#define YYLUNPUT(ch) yy->yymunput(yy, ch)
#define YYLWRAP() yy->yymwrap(yy)
#define YYLTEXTOVERFLOW() yy->yymtextoverflow(yy)
#define YYLUNPUTOVERFLOW() yy->yymunputoverflow(yy)
#define YYLACTION(action) yy->yymaction(yy, action)
#define YYLDEBUGON yy->yymdebug
#define YYLDEBUGFLUSH yy->yymdebugflush
#define YYLDEBUGOUT yy->yymdebugout
#define YYLTMATCH yy->yymmatch
#define YYLTSTATE yy->yymstate
#define YYLTBACKUP yy->yymbackup
#define YYLTTRANSITION yy->yymtransition
#define YYLTTRANSITIONMAX yy->yymtransitionmax
#define YYLTCTRANSITION yy->yymctransition
#define YYLPENDING yy->yympending
#define YYLPENDINGCOUNT yy->yympendingcount
#define YYLOUTPENDING yy->yymoutpending
#define YYLCACHE yy->yymcache

#include "yylengine.h"

void YYCDECL YYLM(resetlexer)(YYLM(lexer_t) YYFAR *yy)
{
	yy->yymmoreflg = YYFALSE;
	yy->yymrejectflg = YYFALSE;
	yy->yymeol = YYTRUE;
	yy->yymoldeol = YYTRUE;
	yy->yymstart = 0;
	yy->yymleng = 0;
	yy->yymlineno = 1;
	yy->yymunputindex = 0;
	yy->yympendingcount = 0;
	yy->yymoutpending = 0;
	if (yy->yymtext != NULL) {
		yy->yymtext[0] = 0;
	}
}

int YYCDECL YYLM(createlexer)(YYLM(lexer_t) YYFAR *yy, YYCONST YYLM(lexer_t) YYFAR *src)
{
	int text_size = src->yymstext_size > 0 ? src->yymstext_size : 1;
	int unput_size = src->yymsunput_size > 0 ? src->yymsunput_size : 1;
	*yy = *src;
	yy->yymcache = NULL;
	yy->yymstext = (YYLCHAR YYFAR *) malloc(((size_t) text_size + 1) * sizeof(YYLCHAR));
	yy->yymsstatebuf = (int YYFAR *) malloc((size_t) text_size * sizeof(int));
	yy->yymsunputbufptr = (int YYFAR *) malloc((size_t) unput_size * sizeof(int));
	yy->yymtext = yy->yymstext;
	yy->yymstatebuf = yy->yymsstatebuf;
	yy->yymunputbufptr = yy->yymsunputbufptr;
	yy->yymtext_size = yy->yymstext_size = text_size;
	yy->yymunput_size = yy->yymsunput_size = unput_size;
	if (yy->yymstext == NULL || yy->yymsstatebuf == NULL || yy->yymsunputbufptr == NULL) {
		YYLM(destroylexer)(yy);
		return 0;
	}
	YYLM(resetlexer)(yy);
	return 1;
}

void YYCDECL YYLM(destroylexer)(YYLM(lexer_t) YYFAR *yy)
{
	if (yy->yymtext != yy->yymstext) {
		free(yy->yymtext);
	}
	if (yy->yymstatebuf != yy->yymsstatebuf) {
		free(yy->yymstatebuf);
	}
	if (yy->yymunputbufptr != yy->yymsunputbufptr) {
		free(yy->yymunputbufptr);
	}
	free(yy->yymstext);
	free(yy->yymsstatebuf);
	free(yy->yymsunputbufptr);
	YYLF(cachefree)((struct yylcache *) yy->yymcache);
	yy->yymcache = NULL;
	yy->yymtext = yy->yymstext = NULL;
	yy->yymstatebuf = yy->yymsstatebuf = NULL;
	yy->yymunputbufptr = yy->yymsunputbufptr = NULL;
	yy->yymtext_size = yy->yymstext_size = 0;
	yy->yymunput_size = yy->yymsunput_size = 0;
}
