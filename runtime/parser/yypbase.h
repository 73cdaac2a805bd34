/* Macros and kinds shared by every yl parser header, whatever its width. */
#ifndef YYPBASE_H
#define YYPBASE_H

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

/* Action kinds written into the tables. */
#define YYAT_ERROR 0
#define YYAT_SHIFT 1
#define YYAT_REDUCE 2
#define YYAT_ACCEPT 3
#define YYAT_DEFAULT 4

/* Closes a compact run; no real token is negative. */
#define YYTK_ALL (-1)
#define YYWTK_ALL (-1)
/* Must equal the number Brannock gives the error token in each width,
   because the fast tables are indexed by it. */
#define YYTK_ERROR 256
#define YYWTK_ERROR 65536

/* The end of input as the lexer reports it. */
#define YYTK_END 0
#define YYWTK_END 0


#endif
