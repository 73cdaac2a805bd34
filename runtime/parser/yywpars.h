/* The single-model Unicode parser interface of yl. */
#ifndef YYWPARS_H
#define YYWPARS_H

#include <wchar.h>
#include "yypbase.h"

#define YYPN(stem) yyw##stem
#define YYPCHAR wchar_t
#include "yyptmpl.h"
#undef YYPN
#undef YYPCHAR

#define YYACCEPT do { yywexit(0); return; } while (0)
#define YYABORT do { yywexit(1); return; } while (0)
#define YYERROR do { yywforceerror(); return; } while (0)
#define yyerrok (yywskip = 0)
#define yyclearin yywclearlookahead()
#define YYRECOVERING() (yywskip != 0)

/* Grammar actions and lexers are written against the yacc names; the
   Unicode parser spells its value variables with yyw, so the yacc names
   follow them unless the program wants its own. */
#ifndef YYWNOYACCNAMES
#define yylval yywlval
#define yyval yywval
#define yyparse yywparse
#define yydebug yywdebug
#endif

#endif
