/* A scanner written the way generated code is, with tables made by hand,
   so that the engine is checked before any generator writes them:
     1 ab   2 abcd   3 [a-z]   4 \n   5 <<EOF>>
   Each token is printed as "rule:text:line". The first argument picks what
   the actions do besides: reject (rule 1 rejects), less (rule 2 keeps
   two characters), more (x appends the next token), input (a newline
   reads the next character), unput (rule 1 puts "cd" back). */
#include <stdio.h>
#include <string.h>
#include "yylex.h"

#ifndef YYTEXT_SIZE
#define YYTEXT_SIZE 100
#endif

static char yytextstore[(YYTEXT_SIZE) + 1];
static int yystatestore[(YYTEXT_SIZE)];
static int yyunputstore[(YYTEXT_SIZE)];
char *yytext = yytextstore;
char *yystext = yytextstore;
int yytext_size = (YYTEXT_SIZE);
int yystext_size = (YYTEXT_SIZE);
int yytext_max = 0;
int *yystatebuf = yystatestore;
int *yysstatebuf = yystatestore;
int *yyunputbufptr = yyunputstore;
int *yysunputbufptr = yyunputstore;
int yyunput_size = (YYTEXT_SIZE);
int yysunput_size = (YYTEXT_SIZE);
int yyunput_max = 0;

static const char *mode = "";

static int is(const char *m) { return strcmp(mode, m) == 0; }

int yylexeraction(int action)
{
	yyreturnflg = YYTRUE;
	switch (action) {
	case 1:
		if (is("reject")) {
			REJECT;
		}
		if (is("unput")) {
			yyunput('d');
			yyunput('c');
		}
		return 1;
	case 2:
		if (is("less")) {
			yyless(2);
		}
		return 2;
	case 3:
		if (is("more") && yytext[yyleng - 1] == 'x') {
			yymore();
			break;
		}
		return 3;
	case 4:
		if (is("input")) {
			int c = yyinput();
			printf("input:%d\n", c);
		}
		return 4;
	case 5:
		printf("eof:%d\n", yylineno);
		return 0;
	default:
		break;
	}
	yyreturnflg = YYFALSE;
	return 0;
}

YYCONST yymatch_t yymatch[] = { 0 };
YYCONST yybackup_t yybackup[] = { 0, 0, 0, 0, 0, 0 };
#ifndef HAND_COMPACT
YYCONST yystate_t yystate[] = {
	{ 0, 0, 0 },
	{ 0, -10, 5 },
	{ 1, 0, 5 },
	{ 0, -97, 3 },
	{ 0, -97, 1 },
	{ 0, -97, 0 },
	{ 0, 0, 2 },
	{ 0, 0, 3 },
	{ 0, 0, 4 }
};
#else
YYCONST yystate_t yystate[] = {
	{ 0, 0, 0 },
	{ 0, 1, 5 },
	{ 1, 0, 5 },
	{ 0, 5, 3 },
	{ 0, 7, 1 },
	{ 0, 9, 0 },
	{ 0, 0, 2 },
	{ 0, 0, 3 },
	{ 0, 0, 4 }
};
#endif
#define HAND_TRANSITIONMAX 113
#ifndef HAND_COMPACT
int yytransitionmax = HAND_TRANSITIONMAX;
YYCONST yytransition_t yytransition[] = {
	{ 8, 1 },
	{ 4, 3 },
	{ 5, 4 },
	{ 6, 5 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 0, 0 },
	{ 3, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 },
	{ 7, 1 }
};
#else
YYCONST yyctransition_t yyctransition[] = {
	{ 0, 0, -1 },
	{ 10, 10, 8 },
	{ 97, 97, 3 },
	{ 98, 122, 7 },
	{ 0, 0, -1 },
	{ 98, 98, 4 },
	{ 0, 0, -1 },
	{ 99, 99, 5 },
	{ 0, 0, -1 },
	{ 100, 100, 6 },
	{ 0, 0, -1 }
};
#endif

int main(int argc, char **argv)
{
	int token;
	if (argc > 1) {
		mode = argv[1];
	}
	if (argc > 2) {
		yylexdebug = 1;
		yylexdebugout = stderr;
	}
	while ((token = yylex()) != 0) {
		printf("%d:%s:%d\n", token, yytext, yylineno);
	}
	return 0;
}
