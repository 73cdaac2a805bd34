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

#include <yywpars.h>

#ifndef YYSTYPE
union tagYYSTYPE {
#line 8 "sum.y"

	int value;

#line 23 "sum.h"
};

#define YYSTYPE union tagYYSTYPE
#endif

extern YYSTYPE YYNEAR yywlval;

#define NUM 65537
#endif
