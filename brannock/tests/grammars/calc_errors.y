/*
 * A statement calculator that recovers from syntax errors with the error
 * token at three levels: a whole line, a statement inside a block, and a
 * parenthesised subexpression; the recovering actions call yyerrok so that
 * the next error is reported at once.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 41 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 40 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 84 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 22.
 */

%{
#include <stdio.h>

int yylex(void);
void yyerror(const char *message);

static double variables[26];
static int recovered;
%}

%union {
	double value;
	int index;
}

%token <value> NUMBER
%token <index> VARIABLE
%token PRINT

%type <value> expression term factor

%start input

%%

input
	: /* empty */
	| input line
	;

line
	: '\n'
	| statement '\n'
	| '{' statements '}' '\n'
	| error '\n'			{ yyerrok; ++recovered; }
	;

statements
	: /* empty */
	| statements statement ';'
	| statements error ';'		{ yyerrok; ++recovered; }
	;

statement
	: VARIABLE '=' expression	{ variables[$1] = $3; }
	| PRINT expression		{ printf("%g\n", $2); }
	;

expression
	: term
	| expression '+' term		{ $$ = $1 + $3; }
	| expression '-' term		{ $$ = $1 - $3; }
	;

term
	: factor
	| term '*' factor		{ $$ = $1 * $3; }
	| term '/' factor		{ $$ = $3 != 0 ? $1 / $3 : 0; }
	;

factor
	: NUMBER
	| VARIABLE			{ $$ = variables[$1]; }
	| '(' expression ')'		{ $$ = $2; }
	| '(' error ')'			{ $$ = 0; yyerrok; ++recovered; }
	| '-' factor			{ $$ = -$2; }
	;

%%
