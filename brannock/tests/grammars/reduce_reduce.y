/*
 * Deliberate reduce-reduce conflicts, each settled for the rule written
 * first. A name before ';' may be a variable or a type (one conflict). A
 * literal may be a number, a text or a flag (three rules reducing on the
 * same token: two conflicts); it stands both before ';' and before ']',
 * so the one LALR state of the literal has four, while canonical LR splits
 * it into two states of two each. A name after KEYWORD may be preceded by
 * either of two empty prefixes (one conflict, on NAME).
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 29 states, 0 shift/reduce, 6 reduce/reduce
 *   byacc                   : 28 states, 0 shift/reduce, 6 reduce/reduce
 *   bison -y, canonical LR  : 33 states, 0 shift/reduce, 6 reduce/reduce
 * Rules: 20.
 */

%token NAME LITERAL KEYWORD

%%

program
	: statements
	;

statements
	: statement
	| statements statement
	;

statement
	: variable ';'
	| type ';'
	| NAME '=' value ';'
	| KEYWORD first_prefix NAME ';'
	| KEYWORD second_prefix NAME '.'
	| KEYWORD '[' value ']'
	;

variable
	: NAME
	;

type
	: NAME
	;

value
	: number
	| text
	| flag
	;

number
	: LITERAL
	;

text
	: LITERAL
	;

flag
	: LITERAL
	;

first_prefix
	: /* empty */
	;

second_prefix
	: /* empty */
	| second_prefix '-'
	;

%%
