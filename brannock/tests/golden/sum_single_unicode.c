/****************************************************************************
* sum.c
* C source file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#include <yywpars.h>

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
#include <yywpars.h>

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

/* stacks */
#if (YYSTACK_SIZE) != 0
static yywstack_t YYNEAR yywstack[(YYSTACK_SIZE)];
static YYSTYPE YYNEAR yywattributestack[(YYSTACK_SIZE)];
#define YYWSTACKINIT yywstack
#define YYWATTRIBUTESTACKINIT yywattributestack
#else
#define YYWSTACKINIT NULL
#define YYWATTRIBUTESTACKINIT NULL
#endif
yywstack_t YYFAR *YYNEAR YYDCDECL yywsstackptr = YYWSTACKINIT;
yywstack_t YYFAR *YYNEAR YYDCDECL yywstackptr = YYWSTACKINIT;
#ifdef YYPROTOTYPE
void YYFAR *YYNEAR YYDCDECL yywsattributestackptr = YYWATTRIBUTESTACKINIT;
void YYFAR *YYNEAR YYDCDECL yywattributestackptr = YYWATTRIBUTESTACKINIT;
#else
char YYFAR *YYNEAR YYDCDECL yywsattributestackptr = (char YYFAR *) YYWATTRIBUTESTACKINIT;
char YYFAR *YYNEAR YYDCDECL yywattributestackptr = (char YYFAR *) YYWATTRIBUTESTACKINIT;
#endif
int YYNEAR YYDCDECL yywsstack_size = (YYSTACK_SIZE);
int YYNEAR YYDCDECL yywstack_size = (YYSTACK_SIZE);
int YYNEAR YYDCDECL yywstack_max = (YYSTACK_MAX);

/* attributes */
YYSTYPE YYNEAR yywval;
YYSTYPE YYNEAR yywlval;
#ifdef YYPROTOTYPE
void YYFAR *YYNEAR YYDCDECL yywvalptr = &yywval;
void YYFAR *YYNEAR YYDCDECL yywlvalptr = &yywlval;
#else
char YYFAR *YYNEAR YYDCDECL yywvalptr = (char YYFAR *) &yywval;
char YYFAR *YYNEAR YYDCDECL yywlvalptr = (char YYFAR *) &yywlval;
#endif
size_t YYNEAR YYDCDECL yywattribute_size = sizeof(YYSTYPE);

/* attribute access */
#ifdef YYDEBUG
#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#ifdef YYPROTOTYPE
static YYSTYPE YYFAR *yywattribute1(int index)
#else
static YYSTYPE YYFAR *yywattribute1(index)
int index;
#endif
{
	YYSTYPE YYFAR *p = &((YYSTYPE YYFAR *) yywattributestackptr)[yywtop + index];
	return p;
}
#define yywattribute(index) (*yywattribute1(index))

#ifdef YYPROTOTYPE
static void yywinitdebug(YYSTYPE YYFAR **p, int count)
#else
static void yywinitdebug(p, count)
YYSTYPE YYFAR **p;
int count;
#endif
{
	int i;
	yyassert(p != NULL);
	yyassert(count >= 1);

	for (i = 0; i < count; i++) {
		p[i] = &((YYSTYPE YYFAR *) yywattributestackptr)[yywtop + i - (count - 1)];
	}
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
#else
#define yywattribute(index) (((YYSTYPE YYFAR *) yywattributestackptr)[yywtop + (index)])
#endif

#ifdef YYPROTOTYPE
void YYCDECL yywparseraction(int action)
#else
void YYCDECL yywparseraction(action)
int action;
#endif
{
	switch (action) {
	case 0:
		{
#line 18 "sum.y"
 yywval.value = 0; 
#line 147 "sum.c"
		}
		break;
	case 1:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[4];
			yywinitdebug(yya, 4);
#endif
			{
#line 20 "sum.y"
 yywval.value = yywattribute(1 - 3).value + yywattribute(3 - 3).value; 
#line 159 "sum.c"
			}
		}
		break;
	case 2:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[2];
			yywinitdebug(yya, 2);
#endif
			{
#line 22 "sum.y"
 yywval.value = 0; 
#line 172 "sum.c"
			}
		}
		break;
	default:
		yyassert(0);
		break;
	}
}
#ifdef YYDEBUG
YYCONST yywsymbol_t YYNEARFAR YYBASED_CODE YYDCDECL yywsymbol[] = {
	{ L"$end", 0 },
	{ L"\'+\'", 43 },
	{ L"error", 65536 },
	{ L"NUM", 65537 },
	{ NULL, 0 }
};

YYCONST wchar_t *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL yywrule[] = {
	L"$accept: sum",
	L"sum: sum \'+\' sum",
	L"sum: NUM",
	L"sum: error"
};
#endif

YYCONST yywreduction_t YYNEARFAR YYBASED_CODE YYDCDECL yywreduction[] = {
	{ 0, 1, -1 },
	{ 1, 3, 1 },
	{ 1, 1, -1 },
	{ 1, 1, 2 }
};

int YYNEAR YYDCDECL yywtokenaction_size = 44;
YYCONST yywtokenaction_t YYNEARFAR YYBASED_CODE YYDCDECL yywtokenaction[] = {
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

YYCONST yywstateaction_t YYNEARFAR YYBASED_CODE YYDCDECL yywstateaction[] = {
	{ 0, 0, YYAT_DEFAULT, 4 },
	{ 0, 0, YYAT_REDUCE, 3 },
	{ 0, 0, YYAT_REDUCE, 2 },
	{ 0, 1, YYAT_ERROR, 0 },
	{ -65535, 1, YYAT_ERROR, 0 },
	{ 0, 0, YYAT_REDUCE, 1 }
};

int YYNEAR YYDCDECL yywnontermgoto_size = 2;
YYCONST yywnontermgoto_t YYNEARFAR YYBASED_CODE YYDCDECL yywnontermgoto[] = {
	{ 4, 5 },
	{ 0, 3 }
};

YYCONST yywstategoto_t YYNEARFAR YYBASED_CODE YYDCDECL yywstategoto[] = {
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
YYCONST yywdestructor_t YYNEARFAR *YYNEAR YYDCDECL yywdestructorptr = yywdestructor;

static YYCONST yywtokendest_t YYNEARFAR YYBASED_CODE yywtokendest[] = {
	{ 0, 0 }
};
YYCONST yywtokendest_t YYNEARFAR *YYNEAR YYDCDECL yywtokendestptr = yywtokendest;
int YYNEAR YYDCDECL yywtokendest_size = 1;

static YYCONST yywtokendestbase_t YYNEARFAR YYBASED_CODE yywtokendestbase[] = {
	-65537
};
YYCONST yywtokendestbase_t YYNEARFAR *YYNEAR YYDCDECL yywtokendestbaseptr = yywtokendestbase;
int YYNEAR YYDCDECL yywtokendestbase_size = 1;

