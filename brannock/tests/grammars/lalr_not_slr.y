/*
 * The classic grammar that is LALR(1) but not SLR(1): after an L at the
 * start, '=' is in FOLLOW(R), so SLR reduces R : L on '=' as well as
 * shifting it (one shift-reduce conflict), while the LALR lookahead of
 * that reduction is only the end of input.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 11 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 10 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 15 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 5.
 */

%token ID

%%

s
	: l '=' r
	| r
	;

l
	: '*' r
	| ID
	;

r
	: l
	;

%%
