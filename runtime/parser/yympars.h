/* The multiple-model byte parser interface of yl (-mm and -mi). */
#ifndef YYMPARS_H
#define YYMPARS_H

#include "yypbase.h"

/* In C a static object cannot be initialised with stderr, which glibc
   does not make a constant; the object then gets NULL, which the library
   reads as stderr (and stdout for the trace). */
#if !defined(__cplusplus) && !defined(YYNINITSTREAM)
#define YYNINITSTREAM
#endif

/* An object built under YYDEBUG is longer by its debug members, so it is
   parsed, created and destroyed by the engine compiled with them. */
#ifdef YYDEBUG
#define yymparse yymdparse
#define yymcreateparser yymdcreateparser
#define yymdestroyparser yymddestroyparser
#define yymexit yymdexit
#define yymforceerror yymdforceerror
#define yymclearlookahead yymdclearlookahead
#endif

#define YYPN(stem) yy##stem
#define YYPM(stem) yym##stem
#define YYPCHAR char
#include "yypmtmpl.h"
#undef YYPN
#undef YYPM
#undef YYPCHAR

/* Every action receives the object as yy. */
#define YYACCEPT do { yymexit(yy, 0); return; } while (0)
#define YYABORT do { yymexit(yy, 1); return; } while (0)
#define YYERROR do { yymforceerror(yy); return; } while (0)
#define yyerrok (yy->yymskip = 0)
#define yyclearin yymclearlookahead(yy)
#define YYRECOVERING() (yy->yymskip != 0)

#endif
