/* Macros and kinds shared by every yl parser header, whatever its width. */
#ifndef YYPBASE_H
#define YYPBASE_H

#include "yybase.h"

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
