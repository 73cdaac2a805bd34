/* Binds the scanning engine to the C++ scanner class: every state variable
   and table is a member, and the hooks are its virtual functions, whose
   defaults are the engine's own. The including source defines YYLN,
   YYLCHAR and YYLINT (and YYLWIDE for Unicode) and includes the width's
   C++ header first. Not installed. */

#include <stdlib.h>
#include <string.h>

#define YYLMULTI
#define YYLV(stem) yy->yy##stem
#define YYLF(stem) YYLN(engine##stem)
#define YYLOBJ YYLN(lexer)
#define YYLP0 YYLOBJ YYFAR *yy
#define YYLP YYLOBJ YYFAR *yy,
#define YYLA0 yy
#define YYLA yy,
#define YYLGETCHAR() yy->yygetchar()
#define YYLINPUT() yy->yyinput()
#define YYLOUTPUT(ch) yy->yyoutput(ch)
#define YYLUNPUT(ch) yy->yyunput(ch)
#define YYLWRAP() yy->yywrap()
#define YYLTEXTOVERFLOW() yy->yytextoverflow()
#define YYLUNPUTOVERFLOW() yy->yyunputoverflow()
#define YYLREPORT(text) yy->yyerror(text)
#define YYLACTION(action) yy->yyaction(action)
#define YYLDEBUGON yy->yydebug
#define YYLDEBUGFLUSH yy->yydebugflush
#define YYLDEBUGOUT yy->yydebugout
#define YYLTMATCH yy->yymatch
#define YYLTSTATE yy->yystate
#define YYLTBACKUP yy->yybackup
#define YYLTTRANSITION yy->yytransition
#define YYLTTRANSITIONMAX yy->yytransitionmax
#define YYLTCTRANSITION yy->yyctransition
#define YYLPENDING yy->yypending
#define YYLPENDINGCOUNT yy->yypendingcount
#define YYLOUTPENDING yy->yyoutpending
#define YYLCACHE yy->yycache
/* The class's virtual functions are the hooks a program replaces, with the
   engine's as their defaults: no weak names or aliases stand for them. The
   generated class says whether it replaced its input hooks. */
#define YYLDEFAULT
#define YYLDEFAULTOF(hook)
#define YYLFASTHOOKS (yy->yyfasthooks)

/* The engine's functions are the namespace's own (their object argument
   keeps them apart from the C ones); the hook names it declares for the
   C models are left undefined and unused. */
namespace yl {
#include "yylengine.h"

YYLOBJ::YYLOBJ()
	: yyin(NULL), yyout(NULL), yyerr(NULL), yyleng(0), yylineno(1), yystart(0), yyeol(1), yyoldeol(1),
	  yymoreflg(0), yyrejectflg(0), yyreturnflg(0), yytextgrow(1), yyunputgrow(1), yyunputindex(0),
	  yydebug(0), yydebugflush(0), yydebugout(NULL), yyparserptr(NULL), yytext(NULL), yystext(NULL),
	  yytext_size(0), yystext_size(100), yytext_max(0), yystatebuf(NULL), yysstatebuf(NULL),
	  yyunputbufptr(NULL), yysunputbufptr(NULL), yyunput_size(0), yysunput_size(100), yyunput_max(0),
	  yymatch(NULL), yybackup(NULL), yystate(NULL), yytransitionmax(0), yytransition(NULL),
	  yyctransition(NULL), yypendingcount(0), yyoutpending(0), yycache(NULL), yyfasthooks(0)
{
	yypending[0] = yypending[1] = yypending[2] = 0;
}

YYLOBJ::~YYLOBJ()
{
	yydestroy();
}

int YYLOBJ::yycreate(YYLN(parser) YYFAR *parserptr)
{
	int text_size = yystext_size > 0 ? yystext_size : 1;
	int unput_size = yysunput_size > 0 ? yysunput_size : 1;
	yyparserptr = parserptr;
	yyfasthooks = yylibraryhooks();
	if (yystext != NULL) {
		return 1;
	}
	yystext = (YYLCHAR YYFAR *) malloc(((size_t) text_size + 1) * sizeof(YYLCHAR));
	yysstatebuf = (int YYFAR *) malloc((size_t) text_size * sizeof(int));
	yysunputbufptr = (int YYFAR *) malloc((size_t) unput_size * sizeof(int));
	yytext = yystext;
	yystatebuf = yysstatebuf;
	yyunputbufptr = yysunputbufptr;
	yytext_size = yystext_size = text_size;
	yyunput_size = yysunput_size = unput_size;
	if (yystext == NULL || yysstatebuf == NULL || yysunputbufptr == NULL) {
		yydestroy();
		return 0;
	}
	yyreset();
	return 1;
}

void YYLOBJ::yydestroy()
{
	if (yytext != yystext) {
		free(yytext);
	}
	if (yystatebuf != yysstatebuf) {
		free(yystatebuf);
	}
	if (yyunputbufptr != yysunputbufptr) {
		free(yyunputbufptr);
	}
	free(yystext);
	free(yysstatebuf);
	free(yysunputbufptr);
	yytext = yystext = NULL;
	yystatebuf = yysstatebuf = NULL;
	yyunputbufptr = yysunputbufptr = NULL;
	yytext_size = yyunput_size = 0;
	YYLF(cachefree)((struct yylcache *) yycache);
	yycache = NULL;
}

void YYLOBJ::yyreset()
{
	yymoreflg = 0;
	yyrejectflg = 0;
	yyeol = 1;
	yyoldeol = 1;
	yystart = 0;
	yyleng = 0;
	yylineno = 1;
	yyunputindex = 0;
	yypendingcount = 0;
	yyoutpending = 0;
	if (yytext != NULL) {
		yytext[0] = 0;
	}
}

int YYLOBJ::yylex()
{
	if (yystext == NULL && !yycreate(yyparserptr)) {
		yytextoverflow();
		return 0;
	}
	return YYLF(lex)(this);
}

void YYLOBJ::yyless(int n)
{
	YYLF(less)(this, n);
}

void YYLOBJ::yyecho()
{
	YYLF(echo)(this);
}

int YYLOBJ::yygetchar()
{
	return YYLF(getchardefault)(this);
}

int YYLOBJ::yyinput()
{
	return YYLF(inputdefault)(this);
}

void YYLOBJ::yyoutput(int ch)
{
	YYLF(output)(this, ch);
}

void YYLOBJ::yyunput(int ch)
{
	YYLF(unputdefault)(this, ch);
}

int YYLOBJ::yywrap()
{
	return YYLF(wrap)(this);
}

void YYLOBJ::yytextoverflow()
{
	YYLF(textoverflow)(this);
}

void YYLOBJ::yyunputoverflow()
{
	YYLF(unputoverflow)(this);
}

void YYLOBJ::yyerror(const char YYFAR *text)
{
	FILE *err = yyerr != NULL ? yyerr : stderr;
	fprintf(err, "%s\n", text);
	fflush(err);
}

int YYLOBJ::yylibraryhooks() const
{
	return 0;
}

void YYFAR *YYLOBJ::yylvalue() const
{
	return yyparserptr != NULL ? yyparserptr->yylvalptr : NULL;
}

} /* namespace yl */
