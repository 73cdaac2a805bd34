/****************************************************************************
* scan.h
* C header file generated from scan.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

#ifndef _SCAN_H
#define _SCAN_H

#include <yymlex.h>

#ifndef YYMEXPLEXER
#define YYMEXPLEXER(x) x
#endif

#ifdef __cplusplus
extern "C" {
#endif
extern YYMEXPLEXER(YYCONST _YL yymlexer_t) YYNEAR scanner;
#ifdef __cplusplus
};
#endif

#ifndef YYLEXERNAME
#define YYLEXERNAME scanner
#endif

#define TAG 2
#define COMMENT 4
#ifndef INITIAL
#define INITIAL 0
#endif

#endif
