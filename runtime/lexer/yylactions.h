/* What lex actions use in the single model, spelt with the byte scanner's
   names; the Unicode header maps those names to its own. */
#ifndef YYLACTIONS_H
#define YYLACTIONS_H

/* A start condition's value is twice its number. */
#define BEGIN yystart =
#define YY_START (yystart)
#define YYSTATE YY_START
#define ECHO yyecho()
/* The action returns at once; the scanner goes on to the next rule that
   matched, or to a shorter match. */
#define REJECT do { yyrejectflg = YYTRUE; return 0; } while (0)
#define yymore() (yymoreflg = YYTRUE)
#define yyterminate() return 0

#endif
