/****************************************************************************
* sum.h
* C header file generated from sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

#ifndef _SUM_H
#define _SUM_H

#include <yywmpars.h>

#ifndef YYMEXPPARSER
#define YYMEXPPARSER(x) x
#endif

#ifdef __cplusplus
extern "C" {
#endif
extern YYMEXPPARSER(_YL yywmparser_t) YYNEAR sumparser;
#ifdef __cplusplus
};
#endif

#ifndef YYPARSERNAME
#define YYPARSERNAME sumparser
#endif

#ifndef YYSTYPE
union tagYYSTYPE {
#line 8 "sum.y"

	int value;

#line 39 "sum.h"
};

#define YYSTYPE union tagYYSTYPE
#endif

#define NUM 65537
#endif
