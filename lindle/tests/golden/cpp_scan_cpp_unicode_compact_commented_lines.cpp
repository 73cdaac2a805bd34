/****************************************************************************
* cpp_scan.cpp
* C++ source file generated from cpp_scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#include <yywclex.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

// #line 1 "cpp_scan.l"

// counts what it meets
#include <stdio.h>

// #line 27 "cpp_scan.cpp"
// repeated because of possible precompiled header
#include <yywclex.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

/////////////////////////////////////////////////////////////////////////////
// scanner

#ifndef YYEXPLEXER
#define YYEXPLEXER
#endif

class YYEXPLEXER YYFAR scanner : public _YL yywclexer {
public:
	scanner();
	virtual ~scanner();

#ifdef input
	virtual int yyinput();
#endif
#ifdef output
	virtual void yyoutput(int ch);
#endif
#ifdef unput
	virtual void yyunput(int ch);
#endif
	virtual int yylibraryhooks() const;

protected:
	void yytables();
	virtual _YL yywint_t yyaction(int action);

public:
// #line 6 "cpp_scan.l"

	// members
	int numbers;

// #line 72 "cpp_scan.cpp"
};

#ifndef YYLEXERNAME
#define YYLEXERNAME scanner
#endif

/////////////////////////////////////////////////////////////////////////////
// constructor

YYLEXERNAME::YYLEXERNAME()
{
	yytables();
// #line 10 "cpp_scan.l"

	// constructor
	numbers = 0;

// #line 90 "cpp_scan.cpp"
}

/////////////////////////////////////////////////////////////////////////////
// destructor

YYLEXERNAME::~YYLEXERNAME()
{
// #line 14 "cpp_scan.l"

	// destructor
	numbers = -1;

// #line 103 "cpp_scan.cpp"
}

#define TAG 2
#define COMMENT 4
#ifndef INITIAL
#define INITIAL 0
#endif

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
yywint_t YYLEXERNAME::yyaction(int action)
{
	yyreturnflg = yytrue;
	switch (action) {
	case 1:
		{
// #line 21 "cpp_scan.l"
{ numbers++; return 1; }
// #line 186 "cpp_scan.cpp"
		}
		break;
	case 2:
		{
// #line 22 "cpp_scan.l"
BEGIN TAG;
// #line 193 "cpp_scan.cpp"
		}
		break;
	case 3:
		{
// #line 23 "cpp_scan.l"
{ BEGIN INITIAL; }
// #line 200 "cpp_scan.cpp"
		}
		break;
	case 4:
		{
// #line 24 "cpp_scan.l"
BEGIN COMMENT;
// #line 207 "cpp_scan.cpp"
		}
		break;
	case 5:
		{
// #line 25 "cpp_scan.l"
BEGIN INITIAL;
// #line 214 "cpp_scan.cpp"
		}
		break;
	case 6:
		{
// #line 26 "cpp_scan.l"
;
// #line 221 "cpp_scan.cpp"
		}
		break;
	case 7:
		{
// #line 27 "cpp_scan.l"
return 2;
// #line 228 "cpp_scan.cpp"
		}
		break;
	case 8:
		{
// #line 28 "cpp_scan.l"
{ yymore(); REJECT; }
// #line 235 "cpp_scan.cpp"
		}
		break;
	case 9:
		{
// #line 29 "cpp_scan.l"
return 0;
// #line 242 "cpp_scan.cpp"
		}
		break;
	case 10:
		{
// #line 31 "cpp_scan.l"
{ return 3; }
// #line 249 "cpp_scan.cpp"
		}
	case 11:
		{
// #line 32 "cpp_scan.l"
return 4;
// #line 255 "cpp_scan.cpp"
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

	static const yywmatch_t YYNEARFAR YYBASED_CODE match[] = {
		0,
		-7,
		0
	};
	yymatch = match;

	static const yywctransition_t YYNEARFAR YYBASED_CODE ctransition[] = {
		{ 0, 0, -1 },
		{ 62, 62, 7 },
		{ 0, 0, -1 },
		{ 42, 42, 15 },
		{ 0, 0, -1 },
		{ 48, 57, 10 },
		{ 0, 0, -1 },
		{ 98, 98, 16 },
		{ 0, 0, -1 },
		{ 104, 104, 18 },
		{ 0, 0, -1 },
		{ 99, 99, 19 },
		{ 0, 0, -1 },
		{ 101, 101, 17 },
		{ 0, 0, -1 },
		{ 100, 100, 20 },
		{ 0, 0, -1 },
		{ 10, 10, 8 },
		{ 47, 47, 9 },
		{ 48, 57, 10 },
		{ 60, 60, 11 },
		{ 62, 62, 21 },
		{ 97, 97, 12 },
		{ 104, 104, 13 },
		{ 115, 115, 14 },
		{ 0, 0, -1 },
		{ 42, 42, 23 },
		{ 0, 0, -1 },
		{ 47, 47, 24 },
		{ 0, 0, -1 }
	};
	yyctransition = ctransition;

	static const yywstate_t YYNEARFAR YYBASED_CODE state[] = {
		{ 0, 0, 0 },
		{ 3, 1, 9 },
		{ 1, 0, 9 },
		{ -7, 17, 9 },
		{ 3, 0, 9 },
		{ -22, 26, 0 },
		{ 5, 0, 0 },
		{ 0, 0, 11 },
		{ 0, 0, 10 },
		{ 0, 3, 11 },
		{ 0, 5, 1 },
		{ 0, 0, 2 },
		{ 0, 7, 11 },
		{ 18, 0, 11 },
		{ 0, 9, 11 },
		{ 0, 0, 4 },
		{ 0, 11, -1 },
		{ 0, 0, 8 },
		{ 0, 13, 0 },
		{ 0, 15, 0 },
		{ 0, 0, 7 },
		{ 0, 0, 3 },
		{ 0, 0, 6 },
		{ 0, 28, 6 },
		{ 0, 0, 5 }
	};
	yystate = state;

	static const yywbackup_t YYNEARFAR YYBASED_CODE backup[] = {
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
// #line 34 "cpp_scan.l"
int scanned(scanner& s) { return s.numbers; }

