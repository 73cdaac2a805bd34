/* What lex actions use in a C++ scanner, whose action function is a
   member: the state is the object's. Both widths share them. */
#ifndef YYCLACTIONS_H
#define YYCLACTIONS_H

/* A start condition's value is twice its number. */
#define BEGIN yystart =
#define YY_START (yystart)
#define YYSTATE YY_START
#define ECHO yyecho()
/* The action returns at once; the scanner goes on to the next rule that
   matched, or to a shorter match. */
#define REJECT do { yyrejectflg = yytrue; return 0; } while (0)
#define yymore() (yymoreflg = yytrue)
#define yyterminate() return 0

#endif
