/****************************************************************************
* sum.c
* C source file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#include <yympars.h>

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
#include <yympars.h>

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
#define YYMPARSERERROR yymparsererror
#endif
#endif
#ifndef YYMGETTOKEN
#define YYMGETTOKEN yymgettoken
#endif
#ifndef YYMDISCARD
#define YYMDISCARD yymdiscard
#endif
#ifndef YYMSYNTAXERROR
#define YYMSYNTAXERROR yymsyntaxerror
#endif
#ifndef YYMSTACKOVERFLOW
#define YYMSTACKOVERFLOW yymstackoverflow
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
static YYSTYPE YYFAR *yyattribute1(yymparser_t YYFAR *yy, int index)
#else
static YYSTYPE YYFAR *yyattribute1(yy, index)
yymparser_t YYFAR *yy;
int index;
#endif
{
	YYSTYPE YYFAR *p = &((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + index];
	return p;
}
#define yyattribute(yy, index) (*yyattribute1(yy, index))

#ifdef YYPROTOTYPE
static void yyinitdebug(yymparser_t YYFAR *yy, YYSTYPE YYFAR **p, int count)
#else
static void yyinitdebug(yy, p, count)
yymparser_t YYFAR *yy;
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
#define yyattribute(yy, index) (((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + (index)])
#endif

#ifdef YYPROTOTYPE
static void YYCDECL yyparseraction(yymparser_t YYFAR *yy, int action)
#else
static void YYCDECL yyparseraction(yy, action)
yymparser_t YYFAR *yy;
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
			yyinitdebug(yy, yya, 4);
#endif
			{
#line 20 "sum.y"
 (*(YYSTYPE YYFAR *) yy->yymvalptr).value = yyattribute(yy, 1 - 3).value + yyattribute(yy, 3 - 3).value; 
#line 168 "sum.c"
			}
		}
		break;
	case 2:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[2];
			yyinitdebug(yy, yya, 2);
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
static YYCONST yymsymbol_t YYNEARFAR YYBASED_CODE yysymbol[] = {
	{ "$end", 0 },
	{ "\'+\'", 43 },
	{ "error", 256 },
	{ "NUM", 257 },
	{ NULL, 0 }
};

static YYCONST char *YYCONST YYNEARFAR YYBASED_CODE yyrule[] = {
	"$accept: sum",
	"sum: sum \'+\' sum",
	"sum: NUM",
	"sum: error"
};
#endif

static YYCONST yymreduction_t YYNEARFAR YYBASED_CODE yyreduction[] = {
	{ 0, 1, -1 },
	{ 1, 3, 1 },
	{ 1, 1, -1 },
	{ 1, 1, 2 }
};

#define YYTOKENACTION_SIZE 44
static YYCONST yymtokenaction_t YYNEARFAR YYBASED_CODE yytokenaction[] = {
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

static YYCONST yymstateaction_t YYNEARFAR YYBASED_CODE yystateaction[] = {
	{ 0, 0, YYAT_DEFAULT, 4 },
	{ 0, 0, YYAT_REDUCE, 3 },
	{ 0, 0, YYAT_REDUCE, 2 },
	{ 0, 1, YYAT_ERROR, 0 },
	{ -255, 1, YYAT_ERROR, 0 },
	{ 0, 0, YYAT_REDUCE, 1 }
};

#define YYNONTERMGOTO_SIZE 2
static YYCONST yymnontermgoto_t YYNEARFAR YYBASED_CODE yynontermgoto[] = {
	{ 4, 5 },
	{ 0, 3 }
};

static YYCONST yymstategoto_t YYNEARFAR YYBASED_CODE yystategoto[] = {
	{ 0, -1 },
	{ 0, -1 },
	{ 0, -1 },
	{ 0, -1 },
	{ -1, -1 },
	{ 0, -1 }
};

static YYCONST yydestructor_t YYNEARFAR YYBASED_CODE yydestructor[] = {
	-1,
	-1,
	0,
	0,
	-1,
	0
};
#define YYDESTRUCTORPTR yydestructor

static YYCONST yymtokendest_t YYNEARFAR YYBASED_CODE yytokendest[] = {
	{ 0, 0 }
};
#define YYTOKENDESTPTR yytokendest
#define YYTOKENDEST_SIZE 1

static YYCONST yytokendestbase_t YYNEARFAR YYBASED_CODE yytokendestbase[] = {
	-257
};
#define YYTOKENDESTBASEPTR yytokendestbase
#define YYTOKENDESTBASE_SIZE 1

/****************************************************************************
* N O T E
* 
* A compile error that names YYPARSERNAME means that the grammar has no
* %name declaration. Name the parser in the declarations section, for
* instance:
* 
* %name myparser
****************************************************************************/

YYMEXPPARSER(YYCONST _YL yymparser_t) YYNEAR YYPARSERNAME = {
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
	yyparseraction,          /* yymaction */
#ifndef YYCOMPACTPARSER
	yystateaction,           /* yymstateaction */
	yytokenaction,           /* yymtokenaction */
	YYTOKENACTION_SIZE,      /* yymtokenaction_size */
	yystategoto,             /* yymstategoto */
	yynontermgoto,           /* yymnontermgoto */
	YYNONTERMGOTO_SIZE,      /* yymnontermgoto_size */
	YYTOKENDESTPTR,          /* yymtokendestptr */
	YYTOKENDEST_SIZE,        /* yymtokendest_size */
	YYTOKENDESTBASEPTR,      /* yymtokendestbaseptr */
	YYTOKENDESTBASE_SIZE,    /* yymtokendestbase_size */
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
	yycstateaction,          /* yymcstateaction */
	yyctokenaction,          /* yymctokenaction */
	yycstategoto,            /* yymcstategoto */
	yycnontermgoto,          /* yymcnontermgoto */
	YYCTOKENDESTPTR,         /* yymctokendestptr */
#endif
	yyreduction,             /* yymreduction */
	YYDESTRUCTORPTR,         /* yymdestructorptr */
	YYMLEXERPTR,             /* yymlexerptr */
	YYMPARSERDATA,           /* yymdata */
#ifdef YYDEBUG
	YYFALSE,                 /* yymdebug */
	YYFALSE,                 /* yymdebugstack */
	YYFALSE,                 /* yymdebugflush */
	YYMPARSERDEBUGOUT,       /* yymdebugout */
	yysymbol,                /* yymsymbol */
	yyrule,                  /* yymrule */
#endif
};
