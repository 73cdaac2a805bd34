/*
 * JSON text: objects, arrays, strings, numbers and the three literal names,
 * with left-recursive member and element lists. The scanner hands over
 * strings and numbers as tokens of their own.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 28 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 27 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 58 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 17.
 */

%{
#include <stdio.h>

int yylex(void);
void yyerror(const char *message);

static int values;
%}

%token STRING NUMBER TRUE FALSE NULL_

%start text

%%

text
	: value				{ printf("%d values\n", values); }
	;

value
	: object			{ ++values; }
	| array				{ ++values; }
	| STRING			{ ++values; }
	| NUMBER			{ ++values; }
	| TRUE				{ ++values; }
	| FALSE				{ ++values; }
	| NULL_				{ ++values; }
	;

object
	: '{' '}'
	| '{' members '}'
	;

members
	: pair
	| members ',' pair
	;

pair
	: STRING ':' value
	;

array
	: '[' ']'
	| '[' elements ']'
	;

elements
	: value
	| elements ',' value
	;

%%
