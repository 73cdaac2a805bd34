/* The single-model byte parser interface of yl. */
#ifndef YYPARS_H
#define YYPARS_H

#include "yypbase.h"

#define YYPN(stem) yy##stem
#define YYPCHAR char
#include "yyptmpl.h"
#undef YYPN
#undef YYPCHAR

/* Usable inside actions; the action function returns void, so leaving it
   at once stops the rest of the action as yacc users expect. */
#define YYACCEPT do { yyexit(0); return; } while (0)
#define YYABORT do { yyexit(1); return; } while (0)
#define YYERROR do { yyforceerror(); return; } while (0)
#define yyerrok (yyskip = 0)
#define yyclearin yyclearlookahead()
#define YYRECOVERING() (yyskip != 0)

#endif
