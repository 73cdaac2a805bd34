/****************************************************************************
* sum.h
* C++ header file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#ifndef _SUM_H
#define _SUM_H

#include <yycpars.h>

/////////////////////////////////////////////////////////////////////////////
// sumparser

#ifndef YYEXPPARSER
#define YYEXPPARSER
#endif

class YYEXPPARSER YYFAR sumparser : public _YL yyfparser {
public:
	sumparser();
	virtual ~sumparser();

protected:
	void yytables();
	virtual void yyaction(int action);
#ifdef YYDEBUG
	void YYFAR* yyattribute1(int index) const;
	void yyinitdebug(void YYFAR** p, int count) const;
#endif

	// attribute functions
	virtual void yystacktoval(int index);
	virtual void yyvaltostack(int index);
	virtual void yylvaltoval();
	virtual void yyvaltolval();
	virtual void yylvaltostack(int index);
	virtual void YYFAR* yynewattribute(int count);
	virtual void yydeleteattribute(void YYFAR* attribute);
	virtual void yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count);

public:
};

#ifndef YYPARSERNAME
#define YYPARSERNAME sumparser
#endif

#ifndef YYSTYPE
union tagYYSTYPE {
#line 8 "sum.y"

	int value;

#line 60 "sum.h"
};

#define YYSTYPE union tagYYSTYPE
#endif

#define NUM 257
#endif
