/* An expression and statement language whose every rule has an action
   that builds a value, as a real front end's rules do: the parse of a
   program computes a hash of it. The precedence of the operators is
   written out as a ladder of nonterminals, so that every operand is
   reduced through each level; the token stream comes from
   statements_stream.c. */
%{
#define YYSTYPE unsigned
int yylex(void);
void yyerror(const char *message);
unsigned result;
%}

%token ID NUMBER IF ELSE WHILE PRINT RETURN EQ

%start program

%%

program
	: /* empty */			{ $$ = 0; }
	| program statement		{ $$ = $1 * 31 + $2; result = $$; }
	;

statement
	: expression ';'		{ $$ = $1; }
	| ID '=' expression ';'		{ $$ = $1 ^ $3; }
	| PRINT expression ';'		{ $$ = $2 + 1; }
	| RETURN expression ';'		{ $$ = $2 - 1; }
	| IF '(' expression ')' block	{ $$ = $3 ? $5 : 7; }
	| IF '(' expression ')' block ELSE block
					{ $$ = $3 ? $5 : $7; }
	| WHILE '(' expression ')' block
					{ $$ = $3 + $5 * 3; }
	| block				{ $$ = $1; }
	;

block
	: '{' statements '}'		{ $$ = $2; }
	;

statements
	: /* empty */			{ $$ = 0; }
	| statements statement		{ $$ = $1 * 5 + $2; }
	;

expression
	: expression '|' conjunction	{ $$ = $1 | $3; }
	| conjunction			{ $$ = $1; }
	;

conjunction
	: conjunction '&' comparison	{ $$ = $1 & $3; }
	| comparison			{ $$ = $1; }
	;

comparison
	: sum '<' sum			{ $$ = $1 < $3; }
	| sum EQ sum			{ $$ = $1 == $3; }
	| sum				{ $$ = $1; }
	;

sum
	: sum '+' term			{ $$ = $1 + $3; }
	| sum '-' term			{ $$ = $1 - $3; }
	| term				{ $$ = $1; }
	;

term
	: term '*' factor		{ $$ = $1 * $3; }
	| term '/' factor		{ $$ = $3 ? $1 / $3 : $1; }
	| factor			{ $$ = $1; }
	;

factor
	: '-' factor			{ $$ = -$2; }
	| '!' factor			{ $$ = !$2; }
	| primary			{ $$ = $1; }
	;

primary
	: NUMBER			{ $$ = $1; }
	| ID				{ $$ = $1 * 7; }
	| '(' expression ')'		{ $$ = $2; }
	| ID '(' arguments ')'		{ $$ = $1 + $3; }
	;

arguments
	: expression			{ $$ = $1; }
	| arguments ',' expression	{ $$ = $1 * 3 + $3; }
	;

%%

#define NAMED_TOKENS T(ID) T(NUMBER) T(IF) T(ELSE) T(WHILE) T(PRINT) T(RETURN) T(EQ)
#include "driver_mapped.h"
