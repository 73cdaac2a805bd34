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

#include <yylex.h>

#define TAG 2
#define COMMENT 4
#ifndef INITIAL
#define INITIAL 0
#endif

#endif
