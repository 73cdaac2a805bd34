/* What lex actions use in the multiple models, where every action receives
   the scanner object as yy; spelt with the byte scanner's functions, which
   the Unicode header maps to its own. */
#ifndef YYLMACTIONS_H
#define YYLMACTIONS_H

#define yytext (yy->yymtext)
#define yyleng (yy->yymleng)
#define yylineno (yy->yymlineno)
#define yyin (yy->yymin)
#define yyout (yy->yymout)
#define BEGIN yy->yymstart =
#define YY_START (yy->yymstart)
#define YYSTATE YY_START
#define ECHO yymecho(yy)
#define REJECT do { yy->yymrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yy->yymmoreflg = YYTRUE)
#define yyless(n) yymless(yy, (n))
#define yyterminate() return 0

#endif
