/* Macros and names shared by every yl header, parser and lexer, whatever
   its width. */
#ifndef YYBASE_H
#define YYBASE_H

#include <stddef.h>
#include <stdio.h>
#include <assert.h>

/* Generated code is written for segmented and calling-convention-aware
   compilers; on a flat ELF target those words carry no meaning. */
#define YYCONST const
#define YYNEAR
#define YYFAR
#define YYNEARFAR
#define YYBASED_CODE
#define YYDCDECL
#define YYCDECL
/* Every supported compiler takes prototypes, so the generated K&R branches
   are never used; the pointer variables are therefore "void *". */
#define YYPROTOTYPE
#define YYTRUE 1
#define YYFALSE 0

/* The C library keeps its names global so that C and C++ translation units
   share one set of symbols; the namespace exists only so that generated
   "using namespace yl;" compiles. The C++ classes live in it, and their
   headers define _YL before this one to qualify them. */
#if defined(__cplusplus)
namespace yl {
}
#endif
#ifndef _YL
#define _YL
#endif

#ifndef yyassert
#define yyassert(expr) assert(expr)
#endif

#endif
