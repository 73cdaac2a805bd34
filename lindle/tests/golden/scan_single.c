/****************************************************************************
* scan.c
* C source file generated from scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#include <yylex.h>

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
#include <yylex.h>

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
char YYFAR *YYNEAR YYDCDECL yytext = yytextstore;
char YYFAR *YYNEAR YYDCDECL yystext = yytextstore;
int YYNEAR YYDCDECL yytext_size = (YYTEXT_SIZE);
int YYNEAR YYDCDECL yystext_size = (YYTEXT_SIZE);
int YYNEAR YYDCDECL yytext_max = (YYTEXT_MAX);
int YYFAR *YYNEAR YYDCDECL yystatebuf = yystatestore;
int YYFAR *YYNEAR YYDCDECL yysstatebuf = yystatestore;
int YYFAR *YYNEAR YYDCDECL yyunputbufptr = yyunputstore;
int YYFAR *YYNEAR YYDCDECL yysunputbufptr = yyunputstore;
int YYNEAR YYDCDECL yyunput_size = (YYUNPUT_SIZE);
int YYNEAR YYDCDECL yysunput_size = (YYUNPUT_SIZE);
int YYNEAR YYDCDECL yyunput_max = (YYUNPUT_MAX);

/* input, output and unput */
#ifdef input
int YYCDECL yyinput(void)
{
	return input();
}
#else
#define input() yyinput()
#endif
#ifdef output
void YYCDECL yyoutput(int ch)
{
	output(ch);
}
#else
#define output(ch) yyoutput(ch)
#endif
#ifdef unput
void YYCDECL yyunput(int ch)
{
	unput(ch);
}
#else
#define unput(ch) yyunput(ch)
#endif

#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#ifdef YYPROTOTYPE
int YYCDECL yylexeraction(int action)
#else
int YYCDECL yylexeraction(action)
int action;
#endif
{
	yyreturnflg = YYTRUE;
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
	yyreturnflg = YYFALSE;
	return 0;
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif

YYCONST yymatch_t YYNEARFAR YYBASED_CODE YYDCDECL yymatch[] = {
	0,
	-7,
	0
};

int YYNEAR YYDCDECL yytransitionmax = 88;
YYCONST yytransition_t YYNEARFAR YYBASED_CODE YYDCDECL yytransition[] = {
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

YYCONST yystate_t YYNEARFAR YYBASED_CODE YYDCDECL yystate[] = {
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

YYCONST yybackup_t YYNEARFAR YYBASED_CODE YYDCDECL yybackup[] = {
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

