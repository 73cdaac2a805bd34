/****************************************************************************
* cpp_scan.cpp
* C++ source file generated from cpp_scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#include <yyclex.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

#line 1 "cpp_scan.l"

// counts what it meets
#include <stdio.h>

#line 27 "cpp_scan.cpp"
// repeated because of possible precompiled header
#include <yyclex.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

#include "cpp_scan.h"

/////////////////////////////////////////////////////////////////////////////
// constructor

YYLEXERNAME::YYLEXERNAME()
{
	yytables();
#line 10 "cpp_scan.l"

	// constructor
	numbers = 0;

#line 52 "cpp_scan.cpp"
}

/////////////////////////////////////////////////////////////////////////////
// destructor

YYLEXERNAME::~YYLEXERNAME()
{
#line 14 "cpp_scan.l"

	// destructor
	numbers = -1;

#line 65 "cpp_scan.cpp"
}

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

/****************************************************************************
* N O T E
* 
* A compile error that names YYLEXERNAME means that the lex source has no
* %name declaration. Name the scanner in the definitions section, for
* instance:
* 
* %name mylexer
****************************************************************************/

// input, output and unput
#ifdef input
int YYLEXERNAME::yyinput()
{
	return input();
}
#else
#define input() yyinput()
#endif
#ifdef output
void YYLEXERNAME::yyoutput(int ch)
{
	output(ch);
}
#else
#define output(ch) yyoutput(ch)
#endif
#ifdef unput
void YYLEXERNAME::yyunput(int ch)
{
	unput(ch);
}
#else
#define unput(ch) yyunput(ch)
#endif

// whether the class keeps the library's input hooks
int YYLEXERNAME::yylibraryhooks() const
{
	return yyinherited(&YYLEXERNAME::yygetchar) && yyinherited(&YYLEXERNAME::yyinput)
		&& yyinherited(&YYLEXERNAME::yyunput);
}

// the value of the token for the parser
#if defined(YYSTYPE) && !defined(yylval)
#define yylval (*(YYSTYPE YYFAR*)yylvalue())
#endif

#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
int YYLEXERNAME::yyaction(int action)
{
	yyreturnflg = yytrue;
	switch (action) {
	case 1:
		{
#line 21 "cpp_scan.l"
{ numbers++; return 1; }
#line 142 "cpp_scan.cpp"
		}
		break;
	case 2:
		{
#line 22 "cpp_scan.l"
BEGIN TAG;
#line 149 "cpp_scan.cpp"
		}
		break;
	case 3:
		{
#line 23 "cpp_scan.l"
{ BEGIN INITIAL; }
#line 156 "cpp_scan.cpp"
		}
		break;
	case 4:
		{
#line 24 "cpp_scan.l"
BEGIN COMMENT;
#line 163 "cpp_scan.cpp"
		}
		break;
	case 5:
		{
#line 25 "cpp_scan.l"
BEGIN INITIAL;
#line 170 "cpp_scan.cpp"
		}
		break;
	case 6:
		{
#line 26 "cpp_scan.l"
;
#line 177 "cpp_scan.cpp"
		}
		break;
	case 7:
		{
#line 27 "cpp_scan.l"
return 2;
#line 184 "cpp_scan.cpp"
		}
		break;
	case 8:
		{
#line 28 "cpp_scan.l"
{ yymore(); REJECT; }
#line 191 "cpp_scan.cpp"
		}
		break;
	case 9:
		{
#line 29 "cpp_scan.l"
return 0;
#line 198 "cpp_scan.cpp"
		}
		break;
	case 10:
		{
#line 31 "cpp_scan.l"
{ return 3; }
#line 205 "cpp_scan.cpp"
		}
	case 11:
		{
#line 32 "cpp_scan.l"
return 4;
#line 211 "cpp_scan.cpp"
		}
	default:
		yyassert(0);
		break;
	}
	yyreturnflg = yyfalse;
	return 0;
}
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif


void YYLEXERNAME::yytables()
{
	yystext_size = YYTEXT_SIZE;
	yysunput_size = YYUNPUT_SIZE;
	yytext_max = YYTEXT_MAX;
	yyunput_max = YYUNPUT_MAX;

	static const yymatch_t YYNEARFAR YYBASED_CODE match[] = {
		0,
		-7,
		0
	};
	yymatch = match;

	yytransitionmax = 106;
	static const yytransition_t YYNEARFAR YYBASED_CODE transition[] = {
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
		{ 15, 9 },
		{ 16, 12 },
		{ 18, 14 },
		{ 19, 16 },
		{ 17, 18 },
		{ 20, 19 },
		{ 23, 5 },
		{ 24, 23 },
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
		{ 21, 3 },
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
		{ 12, 3 },
		{ 0, 0 },
		{ 0, 0 },
		{ 0, 0 },
		{ 0, 0 },
		{ 0, 0 },
		{ 0, 0 },
		{ 13, 3 },
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
		{ 14, 3 }
	};
	yytransition = transition;

	static const yystate_t YYNEARFAR YYBASED_CODE state[] = {
		{ 0, 0, 0 },
		{ 3, -51, 9 },
		{ 1, 0, 9 },
		{ -7, -10, 9 },
		{ 3, 0, 9 },
		{ -22, -24, 0 },
		{ 5, 0, 0 },
		{ 0, 0, 11 },
		{ 0, 0, 10 },
		{ 0, -30, 11 },
		{ 0, -47, 1 },
		{ 0, 0, 2 },
		{ 0, -85, 11 },
		{ 18, 0, 11 },
		{ 0, -90, 11 },
		{ 0, 0, 4 },
		{ 0, -84, -1 },
		{ 0, 0, 8 },
		{ 0, -85, 0 },
		{ 0, -83, 0 },
		{ 0, 0, 7 },
		{ 0, 0, 3 },
		{ 0, 0, 6 },
		{ 0, -28, 6 },
		{ 0, 0, 5 }
	};
	yystate = state;

	static const yybackup_t YYNEARFAR YYBASED_CODE backup[] = {
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
		0,
		0
	};
	yybackup = backup;
}
#line 34 "cpp_scan.l"
int scanned(scanner& s) { return s.numbers; }

