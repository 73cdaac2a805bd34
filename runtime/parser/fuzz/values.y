%{
/* The grammar the runtime's fuzz targets parse with: values that the
   lexer allocates and rules, destructors and recovery free, a mid-rule
   action, an empty rule, nesting that makes the stacks grow to their
   limit, and actions that accept, abort or raise an error. Each input
   byte picks a token; after every parse no value may be left. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

int yylex(void);
void yyerror(const char *text);

static int live;

static void *value(void)
{
	live++;
	return malloc(sizeof(int));
}

static void drop(void *p)
{
	if (p != NULL) {
		free(p);
		live--;
	}
}
%}

%union {
	void *p;
}

%token <p> ITEM
%token ABORT ACCEPT RAISE
%type <p> item list opt

%%

~ <p> : { drop($$); }

input : /* empty */
	| input line
	;

line : list ';'			{ drop($1); }
	| opt '!'		{ drop($1); }
	| error ';'		{ yyerrok; }
	| ABORT			{ YYABORT; }
	| ACCEPT		{ YYACCEPT; }
	| list RAISE		{ drop($1); YYERROR; }
	;

list : item
	| list ',' { yyclearin; } item	{ drop($4); $$ = $1; }
	| list item		{ drop($2); $$ = $1; }
	;

item : ITEM
	| '(' list ')'		{ $$ = $2; }
	;

opt : /* empty */		{ $$ = NULL; }
	| ITEM
	;

%%

static const uint8_t *data;
static size_t size;

int yylex(void)
{
	static const int tokens[] = { ',', ';', '(', ')', '!', ABORT, ACCEPT, RAISE, '?' };
	uint8_t byte;
	if (size == 0)
		return 0;
	byte = *data++;
	size--;
	if (byte < 96) {
		yylval.p = value();
		return ITEM;
	}
	return tokens[byte % (sizeof tokens / sizeof tokens[0])];
}

void yyerror(const char *text)
{
	(void) text;
}

int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t length);

int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t length)
{
	data = bytes;
	size = length;
	(void) yyparse();
	if (live != 0) {
		fprintf(stderr, "%d values left after the parse\n", live);
		abort();
	}
	return 0;
}
