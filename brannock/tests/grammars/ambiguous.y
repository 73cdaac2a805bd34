/*
 * A deliberately ambiguous grammar without any precedence declaration:
 * binary operators on one nonterminal, juxtaposition as application, a
 * prefix operator, and an optional else in a conditional expression. Every
 * ambiguity becomes a shift-reduce conflict settled by shifting, so the
 * parser groups everything to the right.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 33 states, 73 shift/reduce, 0 reduce/reduce
 *   byacc                   : 32 states, 73 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 178 states, 435 shift/reduce, 0 reduce/reduce
 * Rules: 15.
 */

%token ID NUMBER IF THEN ELSE LAMBDA ARROW

%%

program
	: expr
	;

expr
	: expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| expr '<' expr
	| '-' expr
	| IF expr THEN expr
	| IF expr THEN expr ELSE expr
	| LAMBDA ID ARROW expr
	| expr atom
	| atom
	;

atom
	: ID
	| NUMBER
	| '(' expr ')'
	;

%%
