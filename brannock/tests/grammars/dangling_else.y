/*
 * The dangling else in its smallest form: an if statement with an optional
 * else part, so that after "if e then if e then s" the else may belong to
 * either if. The one conflict is settled by shifting, which gives the else
 * to the inner if. SLR has the same single conflict, since else follows a
 * statement in every context.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 11 states, 1 shift/reduce, 0 reduce/reduce
 *   byacc                   : 10 states, 1 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 18 states, 1 shift/reduce, 0 reduce/reduce
 * Rules: 4.
 */

%token IF THEN ELSE ID OTHER

%%

statement
	: IF expression THEN statement
	| IF expression THEN statement ELSE statement
	| OTHER
	;

expression
	: ID
	;

%%
