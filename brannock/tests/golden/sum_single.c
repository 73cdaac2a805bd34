/****************************************************************************
* sum.c
* C source file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#include <yypars.h>

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
#include <yypars.h>

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
static yystack_t YYNEAR yystack[(YYSTACK_SIZE)];
static YYSTYPE YYNEAR yyattributestack[(YYSTACK_SIZE)];
#define YYSTACKINIT yystack
#define YYATTRIBUTESTACKINIT yyattributestack
#else
#define YYSTACKINIT NULL
#define YYATTRIBUTESTACKINIT NULL
#endif
yystack_t YYFAR *YYNEAR YYDCDECL yysstackptr = YYSTACKINIT;
yystack_t YYFAR *YYNEAR YYDCDECL yystackptr = YYSTACKINIT;
#ifdef YYPROTOTYPE
void YYFAR *YYNEAR YYDCDECL yysattributestackptr = YYATTRIBUTESTACKINIT;
void YYFAR *YYNEAR YYDCDECL yyattributestackptr = YYATTRIBUTESTACKINIT;
#else
char YYFAR *YYNEAR YYDCDECL yysattributestackptr = (char YYFAR *) YYATTRIBUTESTACKINIT;
char YYFAR *YYNEAR YYDCDECL yyattributestackptr = (char YYFAR *) YYATTRIBUTESTACKINIT;
#endif
int YYNEAR YYDCDECL yysstack_size = (YYSTACK_SIZE);
int YYNEAR YYDCDECL yystack_size = (YYSTACK_SIZE);
int YYNEAR YYDCDECL yystack_max = (YYSTACK_MAX);

/* attributes */
YYSTYPE YYNEAR yyval;
YYSTYPE YYNEAR yylval;
#ifdef YYPROTOTYPE
void YYFAR *YYNEAR YYDCDECL yyvalptr = &yyval;
void YYFAR *YYNEAR YYDCDECL yylvalptr = &yylval;
#else
char YYFAR *YYNEAR YYDCDECL yyvalptr = (char YYFAR *) &yyval;
char YYFAR *YYNEAR YYDCDECL yylvalptr = (char YYFAR *) &yylval;
#endif
size_t YYNEAR YYDCDECL yyattribute_size = sizeof(YYSTYPE);

/* attribute access */
#ifdef YYDEBUG
#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#ifdef YYPROTOTYPE
static YYSTYPE YYFAR *yyattribute1(int index)
#else
static YYSTYPE YYFAR *yyattribute1(index)
int index;
#endif
{
	YYSTYPE YYFAR *p = &((YYSTYPE YYFAR *) yyattributestackptr)[yytop + index];
	return p;
}
#define yyattribute(index) (*yyattribute1(index))

#ifdef YYPROTOTYPE
static void yyinitdebug(YYSTYPE YYFAR **p, int count)
#else
static void yyinitdebug(p, count)
YYSTYPE YYFAR **p;
int count;
#endif
{
	int i;
	yyassert(p != NULL);
	yyassert(count >= 1);

	for (i = 0; i < count; i++) {
		p[i] = &((YYSTYPE YYFAR *) yyattributestackptr)[yytop + i - (count - 1)];
	}
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
#else
#define yyattribute(index) (((YYSTYPE YYFAR *) yyattributestackptr)[yytop + (index)])
#endif

#ifdef YYPROTOTYPE
void YYCDECL yyparseraction(int action)
#else
void YYCDECL yyparseraction(action)
int action;
#endif
{
	switch (action) {
	case 0:
		{
#line 18 "sum.y"
 yyval.value = 0; 
#line 147 "sum.c"
		}
		break;
	case 1:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[4];
			yyinitdebug(yya, 4);
#endif
			{
#line 20 "sum.y"
 yyval.value = yyattribute(1 - 3).value + yyattribute(3 - 3).value; 
#line 159 "sum.c"
			}
		}
		break;
	case 2:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR *yya[2];
			yyinitdebug(yya, 2);
#endif
			{
#line 22 "sum.y"
 yyval.value = 0; 
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
YYCONST yysymbol_t YYNEARFAR YYBASED_CODE YYDCDECL yysymbol[] = {
	{ "$end", 0 },
	{ "\'+\'", 43 },
	{ "error", 256 },
	{ "NUM", 257 },
	{ NULL, 0 }
};

YYCONST char *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL yyrule[] = {
	"$accept: sum",
	"sum: sum \'+\' sum",
	"sum: NUM",
	"sum: error"
};
#endif

YYCONST yyreduction_t YYNEARFAR YYBASED_CODE YYDCDECL yyreduction[] = {
	{ 0, 1, -1 },
	{ 1, 3, 1 },
	{ 1, 1, -1 },
	{ 1, 1, 2 }
};

int YYNEAR YYDCDECL yytokenaction_size = 44;
YYCONST yytokenaction_t YYNEARFAR YYBASED_CODE YYDCDECL yytokenaction[] = {
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

YYCONST yystateaction_t YYNEARFAR YYBASED_CODE YYDCDECL yystateaction[] = {
	{ 0, 0, YYAT_DEFAULT, 4 },
	{ 0, 0, YYAT_REDUCE, 3 },
	{ 0, 0, YYAT_REDUCE, 2 },
	{ 0, 1, YYAT_ERROR, 0 },
	{ -255, 1, YYAT_ERROR, 0 },
	{ 0, 0, YYAT_REDUCE, 1 }
};

int YYNEAR YYDCDECL yynontermgoto_size = 2;
YYCONST yynontermgoto_t YYNEARFAR YYBASED_CODE YYDCDECL yynontermgoto[] = {
	{ 4, 5 },
	{ 0, 3 }
};

YYCONST yystategoto_t YYNEARFAR YYBASED_CODE YYDCDECL yystategoto[] = {
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
YYCONST yydestructor_t YYNEARFAR *YYNEAR YYDCDECL yydestructorptr = yydestructor;

static YYCONST yytokendest_t YYNEARFAR YYBASED_CODE yytokendest[] = {
	{ 0, 0 }
};
YYCONST yytokendest_t YYNEARFAR *YYNEAR YYDCDECL yytokendestptr = yytokendest;
int YYNEAR YYDCDECL yytokendest_size = 1;

static YYCONST yytokendestbase_t YYNEARFAR YYBASED_CODE yytokendestbase[] = {
	-257
};
YYCONST yytokendestbase_t YYNEARFAR *YYNEAR YYDCDECL yytokendestbaseptr = yytokendestbase;
int YYNEAR YYDCDECL yytokendestbase_size = 1;

