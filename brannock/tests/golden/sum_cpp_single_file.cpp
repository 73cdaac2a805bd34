/****************************************************************************
* sum.cpp
* C++ source file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#include <yywcpars.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

#line 1 "sum.y"

#include <stdio.h>
#include <stdlib.h>

#line 27 "sum.cpp"
// repeated because of possible precompiled header
#include <yywcpars.h>

// namespaces
#ifdef YYSTDCPPLIB
using namespace std;
#endif
#ifdef YYNAMESPACE
using namespace yl;
#endif

/////////////////////////////////////////////////////////////////////////////
// sumparser

#ifndef YYEXPPARSER
#define YYEXPPARSER
#endif

class YYEXPPARSER YYFAR sumparser : public _YL yywfparser {
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

/////////////////////////////////////////////////////////////////////////////
// constructor

YYPARSERNAME::YYPARSERNAME()
{
	yytables();
}

/////////////////////////////////////////////////////////////////////////////
// destructor

YYPARSERNAME::~YYPARSERNAME()
{
	// allows virtual functions to be called properly for correct cleanup
	yydestroy();
}

#ifndef YYSTYPE
union tagYYSTYPE {
#line 8 "sum.y"

	int value;

#line 99 "sum.cpp"
};

#define YYSTYPE union tagYYSTYPE
#endif

#define NUM 65537
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

/****************************************************************************
* N O T E
* 
* A compile error that names YYPARSERNAME means that the grammar has no
* %name declaration. Name the parser in the declarations section, for
* instance:
* 
* %name myparser
****************************************************************************/

#ifdef YYDEBUG
void YYFAR* YYPARSERNAME::yyattribute1(int index) const
{
	YYSTYPE YYFAR* p = &((YYSTYPE YYFAR*)yyattributestackptr)[yytop + index];
	return p;
}
#define yyattribute(index) (*(YYSTYPE YYFAR*)yyattribute1(index))
#else
#define yyattribute(index) (((YYSTYPE YYFAR*)yyattributestackptr)[yytop + (index)])
#endif

void YYPARSERNAME::yystacktoval(int index)
{
	yyassert(index >= 0);
	*(YYSTYPE YYFAR*)yyvalptr = ((YYSTYPE YYFAR*)yyattributestackptr)[index];
}

void YYPARSERNAME::yyvaltostack(int index)
{
	yyassert(index >= 0);
	((YYSTYPE YYFAR*)yyattributestackptr)[index] = *(YYSTYPE YYFAR*)yyvalptr;
}

void YYPARSERNAME::yylvaltoval()
{
	*(YYSTYPE YYFAR*)yyvalptr = *(YYSTYPE YYFAR*)yylvalptr;
}

void YYPARSERNAME::yyvaltolval()
{
	*(YYSTYPE YYFAR*)yylvalptr = *(YYSTYPE YYFAR*)yyvalptr;
}

void YYPARSERNAME::yylvaltostack(int index)
{
	yyassert(index >= 0);
	((YYSTYPE YYFAR*)yyattributestackptr)[index] = *(YYSTYPE YYFAR*)yylvalptr;
}

void YYFAR* YYPARSERNAME::yynewattribute(int count)
{
	yyassert(count >= 0);
	return new YYFAR YYSTYPE[count];
}

void YYPARSERNAME::yydeleteattribute(void YYFAR* attribute)
{
	delete[] (YYSTYPE YYFAR*)attribute;
}

void YYPARSERNAME::yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count)
{
	for (int i = 0; i < count; i++) {
		((YYSTYPE YYFAR*)dest)[i] = ((YYSTYPE const YYFAR*)src)[i];
	}
}

#ifdef YYDEBUG
void YYPARSERNAME::yyinitdebug(void YYFAR** p, int count) const
{
	yyassert(p != NULL);
	yyassert(count >= 1);

	YYSTYPE YYFAR** p1 = (YYSTYPE YYFAR**)p;
	for (int i = 0; i < count; i++) {
		p1[i] = &((YYSTYPE YYFAR*)yyattributestackptr)[yytop + i - (count - 1)];
	}
}
#endif

void YYPARSERNAME::yyaction(int action)
{
	switch (action) {
	case 0:
		{
#line 18 "sum.y"
 (*(YYSTYPE YYFAR*)yyvalptr).value = 0; 
#line 207 "sum.cpp"
		}
		break;
	case 1:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR* yya[4];
			yyinitdebug((void YYFAR**)yya, 4);
#endif
			{
#line 20 "sum.y"
 (*(YYSTYPE YYFAR*)yyvalptr).value = yyattribute(1 - 3).value + yyattribute(3 - 3).value; 
#line 219 "sum.cpp"
			}
		}
		break;
	case 2:
		{
#ifdef YYDEBUG
			YYSTYPE YYFAR* yya[2];
			yyinitdebug((void YYFAR**)yya, 2);
#endif
			{
#line 22 "sum.y"
 (*(YYSTYPE YYFAR*)yyvalptr).value = 0; 
#line 232 "sum.cpp"
			}
		}
		break;
	default:
		yyassert(0);
		break;
	}
}

void YYPARSERNAME::yytables()
{
	yyattribute_size = sizeof(YYSTYPE);
	yysstack_size = YYSTACK_SIZE;
	yystack_max = YYSTACK_MAX;

#ifdef YYDEBUG
	static const yywsymbol_t YYNEARFAR YYBASED_CODE symbol[] = {
		{ L"$end", 0 },
		{ L"\'+\'", 43 },
		{ L"error", 65536 },
		{ L"NUM", 65537 },
		{ NULL, 0 }
	};
	yysymbol = symbol;

	static const wchar_t* const YYNEARFAR YYBASED_CODE rule[] = {
		L"$accept: sum",
		L"sum: sum \'+\' sum",
		L"sum: NUM",
		L"sum: error"
	};
	yyrule = rule;
#endif

	static const yywreduction_t YYNEARFAR YYBASED_CODE reduction[] = {
		{ 0, 1, -1 },
		{ 1, 3, 1 },
		{ 1, 1, -1 },
		{ 1, 1, 2 }
	};
	yyreduction = reduction;

	yytokenaction_size = 44;

	static const yywtokenaction_t YYNEARFAR YYBASED_CODE tokenaction[] = {
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
	yytokenaction = tokenaction;

	static const yywstateaction_t YYNEARFAR YYBASED_CODE stateaction[] = {
		{ 0, 0, YYAT_DEFAULT, 4 },
		{ 0, 0, YYAT_REDUCE, 3 },
		{ 0, 0, YYAT_REDUCE, 2 },
		{ 0, 1, YYAT_ERROR, 0 },
		{ -65535, 1, YYAT_ERROR, 0 },
		{ 0, 0, YYAT_REDUCE, 1 }
	};
	yystateaction = stateaction;

	yynontermgoto_size = 2;

	static const yywnontermgoto_t YYNEARFAR YYBASED_CODE nontermgoto[] = {
		{ 4, 5 },
		{ 0, 3 }
	};
	yynontermgoto = nontermgoto;

	static const yywstategoto_t YYNEARFAR YYBASED_CODE stategoto[] = {
		{ 0, -1 },
		{ 0, -1 },
		{ 0, -1 },
		{ 0, -1 },
		{ -1, -1 },
		{ 0, -1 }
	};
	yystategoto = stategoto;

	static const yywdestructor_t YYNEARFAR YYBASED_CODE destructor[] = {
		-1,
		-1,
		0,
		0,
		-1,
		0
	};
	yydestructorptr = destructor;

	static const yywtokendest_t YYNEARFAR YYBASED_CODE tokendest[] = {
		{ 0, 0 }
	};
	yytokendestptr = tokendest;
	yytokendest_size = 1;

	static const yywtokendestbase_t YYNEARFAR YYBASED_CODE tokendestbase[] = {
		-65537
	};
	yytokendestbaseptr = tokendestbase;
	yytokendestbase_size = 1;
}
