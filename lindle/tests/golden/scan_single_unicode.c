/****************************************************************************
* scan.c
* C source file generated from scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#include <yywlex.h>

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
#include <yywlex.h>

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
static wchar_t YYNEAR yywtextstore[(YYTEXT_SIZE) + 1];
static int YYNEAR yywstatestore[(YYTEXT_SIZE)];
static int YYNEAR yywunputstore[(YYUNPUT_SIZE)];
wchar_t YYFAR *YYNEAR YYDCDECL yywtext = yywtextstore;
wchar_t YYFAR *YYNEAR YYDCDECL yywstext = yywtextstore;
int YYNEAR YYDCDECL yywtext_size = (YYTEXT_SIZE);
int YYNEAR YYDCDECL yywstext_size = (YYTEXT_SIZE);
int YYNEAR YYDCDECL yywtext_max = (YYTEXT_MAX);
int YYFAR *YYNEAR YYDCDECL yywstatebuf = yywstatestore;
int YYFAR *YYNEAR YYDCDECL yywsstatebuf = yywstatestore;
int YYFAR *YYNEAR YYDCDECL yywunputbufptr = yywunputstore;
int YYFAR *YYNEAR YYDCDECL yywsunputbufptr = yywunputstore;
int YYNEAR YYDCDECL yywunput_size = (YYUNPUT_SIZE);
int YYNEAR YYDCDECL yywsunput_size = (YYUNPUT_SIZE);
int YYNEAR YYDCDECL yywunput_max = (YYUNPUT_MAX);

/* input, output and unput */
#ifdef input
int YYCDECL yywinput(void)
{
	return input();
}
#else
#define input() yywinput()
#endif
#ifdef output
void YYCDECL yywoutput(int ch)
{
	output(ch);
}
#else
#define output(ch) yywoutput(ch)
#endif
#ifdef unput
void YYCDECL yywunput(int ch)
{
	unput(ch);
}
#else
#define unput(ch) yywunput(ch)
#endif

#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#ifdef YYPROTOTYPE
yywint_t YYCDECL yywlexeraction(int action)
#else
yywint_t YYCDECL yywlexeraction(action)
int action;
#endif
{
	yywreturnflg = YYTRUE;
	switch (action) {
	case 1:
		{
#line 9 "scan.l"
{ numbers++; return 1; }
#line 119 "scan.c"
		}
		break;
	case 2:
		{
#line 10 "scan.l"
BEGIN TAG;
#line 126 "scan.c"
		}
		break;
	case 3:
		{
#line 11 "scan.l"
{ BEGIN INITIAL; }
#line 133 "scan.c"
		}
		break;
	case 4:
		{
#line 12 "scan.l"
BEGIN COMMENT;
#line 140 "scan.c"
		}
		break;
	case 5:
		{
#line 13 "scan.l"
BEGIN INITIAL;
#line 147 "scan.c"
		}
		break;
	case 6:
		{
#line 14 "scan.l"
;
#line 154 "scan.c"
		}
		break;
	case 7:
		{
#line 15 "scan.l"
return 2;
#line 161 "scan.c"
		}
		break;
	case 8:
		{
#line 16 "scan.l"
return 0;
#line 168 "scan.c"
		}
		break;
	case 9:
		{
#line 18 "scan.l"
{ return 3; }
#line 175 "scan.c"
		}
	case 10:
		{
#line 19 "scan.l"
return 4;
#line 181 "scan.c"
		}
	default:
		yyassert(0);
		break;
	}
	yywreturnflg = YYFALSE;
	return 0;
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif

YYCONST yywmatch_t YYNEARFAR YYBASED_CODE YYDCDECL yywmatch[] = {
	0,
	-7,
	0
};

long YYNEAR YYDCDECL yywtransitionmax = 88;
YYCONST yywtransition_t YYNEARFAR YYBASED_CODE YYDCDECL yywtransition[] = {
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

YYCONST yywstate_t YYNEARFAR YYBASED_CODE YYDCDECL yywstate[] = {
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

YYCONST yywbackup_t YYNEARFAR YYBASED_CODE YYDCDECL yywbackup[] = {
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

