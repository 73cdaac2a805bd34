/****************************************************************************
* cpp_scan.h
* C++ header file generated from cpp_scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#ifndef _CPP_SCAN_H
#define _CPP_SCAN_H

#include <yyclex.h>

/////////////////////////////////////////////////////////////////////////////
// scanner

#ifndef YYEXPLEXER
#define YYEXPLEXER
#endif

class YYEXPLEXER YYFAR scanner : public _YL yyflexer {
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
	virtual int yyaction(int action);

public:
#line 6 "cpp_scan.l"

	// members
	int numbers;

#line 50 "cpp_scan.h"
};

#ifndef YYLEXERNAME
#define YYLEXERNAME scanner
#endif

#define TAG 2
#define COMMENT 4
#ifndef INITIAL
#define INITIAL 0
#endif

#endif
