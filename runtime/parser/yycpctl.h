/* The controls that C++ actions use, as yacc users write them. The
   action function returns void, so leaving it at once stops the rest of
   the action. Both widths share them. */
#ifndef YYCPCTL_H
#define YYCPCTL_H

#define YYACCEPT do { yyexit(0); return; } while (0)
#define YYABORT do { yyexit(1); return; } while (0)
#define YYERROR do { yyforceerror(); return; } while (0)
#define yyerrok (yyskip = 0)
#define yyclearin yyclearlookahead()
#define YYRECOVERING() (yyrecovering())

#endif
