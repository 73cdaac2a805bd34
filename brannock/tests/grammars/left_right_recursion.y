/*
 * Lists built every way: left-recursive and right-recursive, with and
 * without separators, possibly empty or at least one long, and a
 * right-recursive cons chain next to a left-recursive path. Left recursion
 * keeps the parser stack flat; right recursion holds the whole list on
 * the stack until its end is seen. All of it is LALR(1) without
 * conflicts.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 49 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 48 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 82 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 27.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token ID NUMBER LET IN ARROW

%%

module
	: items
	;

items
	: /* empty */
	| items item
	;

item
	: LET bindings IN expression ';'
	| '[' numbers_right ']'
	| '<' arguments '>'
	| path '=' cons ';'
	;

bindings
	: binding
	| binding ',' bindings
	;

binding
	: ID '=' expression
	;

numbers_right
	: /* empty */
	| NUMBER numbers_right
	;

arguments
	: /* empty */
	| argument_list
	;

argument_list
	: expression
	| argument_list ',' expression
	;

path
	: ID
	| path '.' ID
	;

cons
	: NUMBER
	| NUMBER ARROW cons
	;

expression
	: term
	| expression '+' term
	;

term
	: factor
	| factor '^' term
	;

factor
	: ID
	| NUMBER
	| '(' expression ')'
	;

%%
