/****************************************************************************
* scan.c
* C source file generated from scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#include <yymlex.h>

/* namespaces */
#if defined(__cplusplus) && defined(YYSTDCPPLIB)
using namespace std;
#endif
#if defined(__cplusplus) && defined(YYNAMESPACE)
using namespace yl;
#endif

#define YYFASTLEXER

#line 1 "scan.l"

/* counts what it meets */
static int numbers;

#line 29 "scan.c"
/* repeated because of possible precompiled header */
#include <yymlex.h>

/* namespaces */
#if defined(__cplusplus) && defined(YYSTDCPPLIB)
using namespace std;
#endif
#if defined(__cplusplus) && defined(YYNAMESPACE)
using namespace yl;
#endif

#define YYFASTLEXER

#include "scan.h"

#ifndef YYTEXT_SIZE
#define YYTEXT_SIZE 100
#endif
#ifndef YYUNPUT_SIZE
#define YYUNPUT_SIZE YYTEXT_SIZE
#endif
#ifndef YYTEXT_MAX
#define YYTEXT_MAX 0
#endif
#ifndef YYUNPUT_MAX
#define YYUNPUT_MAX YYTEXT_MAX
#endif

/* text and unput buffers */
static char YYNEAR yytextstore[(YYTEXT_SIZE) + 1];
static int YYNEAR yystatestore[(YYTEXT_SIZE)];
static int YYNEAR yyunputstore[(YYUNPUT_SIZE)];

/* input, output and unput */
#ifdef input
static int YYCDECL yyinput(yymlexer_t YYFAR *yy)
{
	(void) yy;
	return input();
}
#ifndef YYMINPUT
#define YYMINPUT yyinput
#endif
#else
#define input() (yy->yyminput(yy))
#endif
#ifdef output
static void YYCDECL yyoutput(yymlexer_t YYFAR *yy, int ch)
{
	(void) yy;
	output(ch);
}
#ifndef YYMOUTPUT
#define YYMOUTPUT yyoutput
#endif
#else
#define output(ch) (yy->yymoutput(yy, (ch)))
#endif
#ifdef unput
static void YYCDECL yyunput(yymlexer_t YYFAR *yy, int ch)
{
	(void) yy;
	unput(ch);
}
#ifndef YYMUNPUT
#define YYMUNPUT yyunput
#endif
#else
#define unput(ch) (yy->yymunput(yy, (ch)))
#endif

/* lexer object defaults */
#ifndef YYMIN
#ifndef YYNINITSTREAM
#define YYMIN stdin
#else
#define YYMIN NULL
#endif
#endif
#ifndef YYMOUT
#ifndef YYNINITSTREAM
#define YYMOUT stdout
#else
#define YYMOUT NULL
#endif
#endif
#ifndef YYMLEXERERR
#ifndef YYNINITSTREAM
#define YYMLEXERERR stderr
#else
#define YYMLEXERERR NULL
#endif
#endif
#ifndef YYMLEXERDEBUGOUT
#ifndef YYNINITSTREAM
#define YYMLEXERDEBUGOUT stdout
#else
#define YYMLEXERDEBUGOUT NULL
#endif
#endif
#ifndef YYMGETCHAR
#define YYMGETCHAR yymgetchar
#endif
#ifndef YYMINPUT
#define YYMINPUT yyminput
#endif
#ifndef YYMOUTPUT
#define YYMOUTPUT yymoutput
#endif
#ifndef YYMUNPUT
#define YYMUNPUT yymunput
#endif
#ifndef YYMWRAP
#define YYMWRAP yymwrap
#endif
#ifndef YYMTEXTOVERFLOW
#define YYMTEXTOVERFLOW yymtextoverflow
#endif
#ifndef YYMUNPUTOVERFLOW
#define YYMUNPUTOVERFLOW yymunputoverflow
#endif
#ifndef YYMLEXERERROR
#define YYMLEXERERROR yymlexererror
#endif
#ifndef YYMPARSERPTR
#define YYMPARSERPTR NULL
#endif
#ifndef YYMLEXERDATA
#define YYMLEXERDATA NULL
#endif

/****************************************************************************
* N O T E
* 
* A compile error that names YYLEXERNAME means that the lex source has no
* %name declaration. Name the scanner in the definitions section, for
* instance:
* 
* %name mylexer
****************************************************************************/

#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#ifdef YYPROTOTYPE
static int YYCDECL yylexeraction(yymlexer_t YYFAR *yy, int action)
#else
static int YYCDECL yylexeraction(yy, action)
yymlexer_t YYFAR *yy;
int action;
#endif
{
	yy->yymreturnflg = YYTRUE;
	switch (action) {
	case 1:
		{
#line 9 "scan.l"
{ numbers++; return 1; }
#line 190 "scan.c"
		}
		break;
	case 2:
		{
#line 10 "scan.l"
BEGIN TAG;
#line 197 "scan.c"
		}
		break;
	case 3:
		{
#line 11 "scan.l"
{ BEGIN INITIAL; }
#line 204 "scan.c"
		}
		break;
	case 4:
		{
#line 12 "scan.l"
BEGIN COMMENT;
#line 211 "scan.c"
		}
		break;
	case 5:
		{
#line 13 "scan.l"
BEGIN INITIAL;
#line 218 "scan.c"
		}
		break;
	case 6:
		{
#line 14 "scan.l"
;
#line 225 "scan.c"
		}
		break;
	case 7:
		{
#line 15 "scan.l"
return 2;
#line 232 "scan.c"
		}
		break;
	case 8:
		{
#line 16 "scan.l"
return 0;
#line 239 "scan.c"
		}
		break;
	case 9:
		{
#line 18 "scan.l"
{ return 3; }
#line 246 "scan.c"
		}
	case 10:
		{
#line 19 "scan.l"
return 4;
#line 252 "scan.c"
		}
	default:
		yyassert(0);
		break;
	}
	yy->yymreturnflg = YYFALSE;
	return 0;
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif

static YYCONST yymatch_t YYNEARFAR YYBASED_CODE yymatch[] = {
	0,
	-7,
	0
};

#define YYTRANSITIONMAX 88
static YYCONST yymtransition_t YYNEARFAR YYBASED_CODE yytransition[] = {
	{ 8, 3 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 10, 10 },
	{ 7, 1 },
	{ 13, 9 },
	{ 14, 12 },
	{ 15, 14 },
	{ 16, 15 },
	{ 19, 5 },
	{ 20, 19 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 9, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 10, 3 },
	{ 0, 0 },
	{ 0, 0 },
	{ 11, 3 },
	{ 0, 0 },
	{ 17, 3 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 12, 3 }
};

static YYCONST yymstate_t YYNEARFAR YYBASED_CODE yystate[] = {
	{ 0, 0, 0 },
	{ 3, -51, 8 },
	{ 1, 0, 8 },
	{ -7, -10, 8 },
	{ 3, 0, 8 },
	{ -18, -26, 0 },
	{ 5, 0, 0 },
	{ 0, 0, 10 },
	{ 0, 0, 9 },
	{ 0, -30, 10 },
	{ 0, -47, 1 },
	{ 0, 0, 2 },
	{ 0, -85, 10 },
	{ 0, 0, 4 },
	{ 0, -85, -1 },
	{ 0, -85, 0 },
	{ 0, 0, 7 },
	{ 0, 0, 3 },
	{ 0, 0, 6 },
	{ 0, -30, 6 },
	{ 0, 0, 5 }
};

static YYCONST yybackup_t YYNEARFAR YYBASED_CODE yybackup[] = {
	0,
	0,
	0,
	0,
	0,
	0,
	0,
	1,
	0,
	0,
	0
};

#line 21 "scan.l"
int scanned(void) { return numbers; }

#line 404 "scan.c"
/****************************************************************************
* N O T E
* 
* A compile error that names YYLEXERNAME means that the lex source has no
* %name declaration. Name the scanner in the definitions section, for
* instance:
* 
* %name mylexer
****************************************************************************/

#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
YYMEXPLEXER(_YL yymlexer_t) YYNEAR YYLEXERNAME = {
	YYFALSE,                 /* yymmoreflg */
	YYFALSE,                 /* yymrejectflg */
	YYFALSE,                 /* yymreturnflg */
	YYTRUE,                  /* yymtextgrow */
	YYTRUE,                  /* yymunputgrow */
	YYTRUE,                  /* yymeol */
	YYTRUE,                  /* yymoldeol */
	0,                       /* yymstart */
	YYMIN,                   /* yymin */
	YYMOUT,                  /* yymout */
	YYMLEXERERR,             /* yymerr */
	0,                       /* yymleng */
	1,                       /* yymlineno */
	0,                       /* yymunputindex */
	yytextstore,             /* yymtext */
	yytextstore,             /* yymstext */
	YYTEXT_SIZE,             /* yymtext_size */
	YYTEXT_SIZE,             /* yymstext_size */
	YYTEXT_MAX,              /* yymtext_max */
	yystatestore,            /* yymstatebuf */
	yystatestore,            /* yymsstatebuf */
	yyunputstore,            /* yymunputbufptr */
	yyunputstore,            /* yymsunputbufptr */
	YYUNPUT_SIZE,            /* yymunput_size */
	YYUNPUT_SIZE,            /* yymsunput_size */
	YYUNPUT_MAX,             /* yymunput_max */
	YYMGETCHAR,              /* yymgetchar */
	YYMINPUT,                /* yyminput */
	YYMOUTPUT,               /* yymoutput */
	YYMUNPUT,                /* yymunput */
	YYMWRAP,                 /* yymwrap */
	YYMTEXTOVERFLOW,         /* yymtextoverflow */
	YYMUNPUTOVERFLOW,        /* yymunputoverflow */
	YYMLEXERERROR,           /* yymerror */
	yylexeraction,           /* yymaction */
#ifndef YYCOMPACTLEXER
	yytransition,            /* yymtransition */
	YYTRANSITIONMAX,         /* yymtransitionmax */
	NULL,                    /* yymctransition */
#else
	NULL,                    /* yymtransition */
	0,                       /* yymtransitionmax */
	yyctransition,           /* yymctransition */
#endif
	yymatch,                 /* yymmatch */
	yystate,                 /* yymstate */
	yybackup,                /* yymbackup */
	YYMPARSERPTR,            /* yymparserptr */
	YYMLEXERDATA,            /* yymdata */
#ifdef YYDEBUG
	YYFALSE,                 /* yymdebug */
	YYFALSE,                 /* yymdebugflush */
	YYMLEXERDEBUGOUT,        /* yymdebugout */
#endif
};
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
