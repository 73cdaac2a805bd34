/****************************************************************************
* sum.c
* C source file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#include <yywmpars.h>

/* namespaces */
#if defined(__cplusplus) && defined(YYSTDCPPLIB)
using namespace std;
#endif
#if defined(__cplusplus) && defined(YYNAMESPACE)
using namespace yl;
#endif

#define YYFASTPARSER

#line 1 "sum.y"

#include <stdio.h>
#include <stdlib.h>

#line 29 "sum.c"
/* repeated because of possible precompiled header */
#include <yywmpars.h>

/* namespaces */
#if defined(__cplusplus) && defined(YYSTDCPPLIB)
using namespace std;
#endif
#if defined(__cplusplus) && defined(YYNAMESPACE)
using namespace yl;
#endif

#define YYFASTPARSER

#include "sum.h"

#ifndef YYSTYPE
#define YYSTYPE int
#endif
#ifndef YYSTACK_SIZE
#define YYSTACK_SIZE 100
#endif
#ifndef YYSTACK_MAX
#ifdef YYMAXDEPTH
#define YYSTACK_MAX (YYMAXDEPTH)
#else
#define YYSTACK_MAX 0
#endif
#endif

/* parser object defaults */
#ifndef YYMPARSERERR
#ifndef YYNINITSTREAM
#define YYMPARSERERR stderr
#else
#define YYMPARSERERR NULL
#endif
#endif
#ifndef YYMPARSERDEBUGOUT
#ifndef YYNINITSTREAM
#define YYMPARSERDEBUGOUT stdout
#else
#define YYMPARSERDEBUGOUT NULL
#endif
#endif
#ifndef YYMPARSERERROR
#ifdef YYMERROR
#define YYMPARSERERROR YYMERROR
#else
#define YYMPARSERERROR yywmparsererror
#endif
#endif
#ifndef YYMGETTOKEN
#define YYMGETTOKEN yywmgettoken
#endif
#ifndef YYMDISCARD
#define YYMDISCARD yywmdiscard
#endif
#ifndef YYMSYNTAXERROR
#define YYMSYNTAXERROR yywmsyntaxerror
#endif
#ifndef YYMSTACKOVERFLOW
#define YYMSTACKOVERFLOW yywmstackoverflow
#endif
#ifndef YYMLEXERPTR
#define YYMLEXERPTR NULL
#endif
#ifndef YYMPARSERDATA
#define YYMPARSERDATA NULL
#endif

/* attribute access */
#ifdef YYDEBUG
#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#ifdef YYPROTOTYPE
static YYSTYPE YYFAR *yywattribute1(yywmparser_t YYFAR *yy, int index)
#else
static YYSTYPE YYFAR *yywattribute1(yy, index)
yywmparser_t YYFAR *yy;
int index;
#endif
{
	YYSTYPE YYFAR *p = &((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + index];
	return p;
}
#define yywattribute(yy, index) (*yywattribute1(yy, index))

#ifdef YYPROTOTYPE
static void yywinitdebug(yywmparser_t YYFAR *yy, YYSTYPE YYFAR **p, int count)
#else
static void yywinitdebug(yy, p, count)
yywmparser_t YYFAR *yy;
YYSTYPE YYFAR **p;
int count;
#endif
{
	int i;
	yyassert(p != NULL);
	yyassert(count >= 1);

	for (i = 0; i < count; i++) {
		p[i] = &((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + i - (count - 1)];
	}
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
#else
#define yywattribute(yy, index) (((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + (index)])
#endif

#ifdef YYPROTOTYPE
static void YYCDECL yywparseraction(yywmparser_t YYFAR *yy, int action)
#else
static void YYCDECL yywparseraction(yy, action)
yywmparser_t YYFAR *yy;
int action;
#endif
{
	switch (action) {
	case 0:
		{
#line 18 "sum.y"
 (*(YYSTYPE YYFAR *) yy->yymvalptr).value = 0; 
#line 156 "sum.c"
		}
		break;
	case 1:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[4];
			yywinitdebug(yy, yya, 4);
#endif
			{
#line 20 "sum.y"
 (*(YYSTYPE YYFAR *) yy->yymvalptr).value = yywattribute(yy, 1 - 3).value + yywattribute(yy, 3 - 3).value; 
#line 168 "sum.c"
			}
		}
		break;
	case 2:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[2];
			yywinitdebug(yy, yya, 2);
#endif
			{
#line 22 "sum.y"
 (*(YYSTYPE YYFAR *) yy->yymvalptr).value = 0; 
#line 181 "sum.c"
			}
		}
		break;
	default:
		yyassert(0);
		break;
	}
}

#ifdef YYDEBUG
static YYCONST yywmsymbol_t YYNEARFAR YYBASED_CODE yywsymbol[] = {
	{ L"$end", 0 },
	{ L"\'+\'", 43 },
	{ L"error", 65536 },
	{ L"NUM", 65537 },
	{ NULL, 0 }
};

static YYCONST wchar_t *YYCONST YYNEARFAR YYBASED_CODE yywrule[] = {
	L"$accept: sum",
	L"sum: sum \'+\' sum",
	L"sum: NUM",
	L"sum: error"
};
#endif

static YYCONST yywmreduction_t YYNEARFAR YYBASED_CODE yywreduction[] = {
	{ 0, 1, -1 },
	{ 1, 3, 1 },
	{ 1, 1, -1 },
	{ 1, 1, 2 }
};

#define YYWTOKENACTION_SIZE 44
static YYCONST yywmtokenaction_t YYNEARFAR YYBASED_CODE yywtokenaction[] = {
	{ 3, YYAT_ACCEPT, 0 },
	{ 4, YYAT_SHIFT, 1 },
	{ 4, YYAT_SHIFT, 2 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ -1, YYAT_ERROR, 0 },
	{ 3, YYAT_SHIFT, 4 }
};

static YYCONST yywmstateaction_t YYNEARFAR YYBASED_CODE yywstateaction[] = {
	{ 0, 0, YYAT_DEFAULT, 4 },
	{ 0, 0, YYAT_REDUCE, 3 },
	{ 0, 0, YYAT_REDUCE, 2 },
	{ 0, 1, YYAT_ERROR, 0 },
	{ -65535, 1, YYAT_ERROR, 0 },
	{ 0, 0, YYAT_REDUCE, 1 }
};

#define YYWNONTERMGOTO_SIZE 2
static YYCONST yywmnontermgoto_t YYNEARFAR YYBASED_CODE yywnontermgoto[] = {
	{ 4, 5 },
	{ 0, 3 }
};

static YYCONST yywmstategoto_t YYNEARFAR YYBASED_CODE yywstategoto[] = {
	{ 0, -1 },
	{ 0, -1 },
	{ 0, -1 },
	{ 0, -1 },
	{ -1, -1 },
	{ 0, -1 }
};

static YYCONST yywdestructor_t YYNEARFAR YYBASED_CODE yywdestructor[] = {
	-1,
	-1,
	0,
	0,
	-1,
	0
};
#define YYWDESTRUCTORPTR yywdestructor

static YYCONST yywmtokendest_t YYNEARFAR YYBASED_CODE yywtokendest[] = {
	{ 0, 0 }
};
#define YYWTOKENDESTPTR yywtokendest
#define YYWTOKENDEST_SIZE 1

static YYCONST yywtokendestbase_t YYNEARFAR YYBASED_CODE yywtokendestbase[] = {
	-65537
};
#define YYWTOKENDESTBASEPTR yywtokendestbase
#define YYWTOKENDESTBASE_SIZE 1

/****************************************************************************
* N O T E
* 
* A compile error that names YYPARSERNAME means that the grammar has no
* %name declaration. Name the parser in the declarations section, for
* instance:
* 
* %name myparser
****************************************************************************/

YYMEXPPARSER(YYCONST _YL yywmparser_t) YYNEAR YYPARSERNAME = {
	YYFALSE,                 /* yymlookahead */
	YYTRUE,                  /* yymstackgrow */
	YYFALSE,                 /* yymexitflg */
	YYFALSE,                 /* yymretireflg */
	YYFALSE,                 /* yymerrorflg */
	YYFALSE,                 /* yympopflg */
	YYTRUE,                  /* yymwipeflg */
	-1,                      /* yymtop */
	-1,                      /* yymchar */
	0,                       /* yymskip */
	0,                       /* yymerrorcount */
	0,                       /* yymexitcode */
	0,                       /* yymretirecode */
	0,                       /* yymerrorpop */
	YYMPARSERERR,            /* yymerr */
	NULL,                    /* yymstackptr */
	NULL,                    /* yymsstackptr */
	YYSTACK_SIZE,            /* yymstack_size */
	YYSTACK_SIZE,            /* yymsstack_size */
	YYSTACK_MAX,             /* yymstack_max */
	sizeof(YYSTYPE),         /* yymattribute_size */
	NULL,                    /* yymvalptr */
	NULL,                    /* yymlvalptr */
	NULL,                    /* yymattributestackptr */
	NULL,                    /* yymsattributestackptr */
	YYMGETTOKEN,             /* yymgettoken */
	YYMDISCARD,              /* yymdiscard */
	YYMSYNTAXERROR,          /* yymsyntaxerror */
	YYMSTACKOVERFLOW,        /* yymstackoverflow */
	YYMPARSERERROR,          /* yymerror */
	yywparseraction,         /* yymaction */
#ifndef YYCOMPACTPARSER
	yywstateaction,          /* yymstateaction */
	yywtokenaction,          /* yymtokenaction */
	YYWTOKENACTION_SIZE,     /* yymtokenaction_size */
	yywstategoto,            /* yymstategoto */
	yywnontermgoto,          /* yymnontermgoto */
	YYWNONTERMGOTO_SIZE,     /* yymnontermgoto_size */
	YYWTOKENDESTPTR,         /* yymtokendestptr */
	YYWTOKENDEST_SIZE,       /* yymtokendest_size */
	YYWTOKENDESTBASEPTR,     /* yymtokendestbaseptr */
	YYWTOKENDESTBASE_SIZE,   /* yymtokendestbase_size */
	NULL,                    /* yymcstateaction */
	NULL,                    /* yymctokenaction */
	NULL,                    /* yymcstategoto */
	NULL,                    /* yymcnontermgoto */
	NULL,                    /* yymctokendestptr */
#else
	NULL,                    /* yymstateaction */
	NULL,                    /* yymtokenaction */
	0,                       /* yymtokenaction_size */
	NULL,                    /* yymstategoto */
	NULL,                    /* yymnontermgoto */
	0,                       /* yymnontermgoto_size */
	NULL,                    /* yymtokendestptr */
	0,                       /* yymtokendest_size */
	NULL,                    /* yymtokendestbaseptr */
	0,                       /* yymtokendestbase_size */
	yywcstateaction,         /* yymcstateaction */
	yywctokenaction,         /* yymctokenaction */
	yywcstategoto,           /* yymcstategoto */
	yywcnontermgoto,         /* yymcnontermgoto */
	YYWCTOKENDESTPTR,        /* yymctokendestptr */
#endif
	yywreduction,            /* yymreduction */
	YYWDESTRUCTORPTR,        /* yymdestructorptr */
	YYMLEXERPTR,             /* yymlexerptr */
	YYMPARSERDATA,           /* yymdata */
#ifdef YYDEBUG
	YYFALSE,                 /* yymdebug */
	YYFALSE,                 /* yymdebugstack */
	YYFALSE,                 /* yymdebugflush */
	YYMPARSERDEBUGOUT,       /* yymdebugout */
	yywsymbol,               /* yymsymbol */
	yywrule,                 /* yymrule */
#endif
};
