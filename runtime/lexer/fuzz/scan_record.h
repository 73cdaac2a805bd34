/* What the fuzz target's scanner records of each token: the rule, the
   text (bytes, or the Unicode scanner's code units), its length and the
   line, appended to the log of the run; and the character an action read
   with input(). */
#ifndef SCAN_RECORD_H
#define SCAN_RECORD_H
#ifdef SCAN_WIDE
#include <wchar.h>
typedef wchar_t scan_unit;
#else
typedef char scan_unit;
#endif
void scan_record(int rule, const scan_unit *text, int length, int line);
void scan_character(int ch);
#define RECORD(rule) scan_record((rule), yytext, yyleng, yylineno)
#endif
