/*
 * The classic grammar that is LR(1) but not LALR(1): the states reached by
 * "a c" and "b c" have the same core, A : c . and B : c ., with the
 * lookaheads swapped between d and e. Canonical LR keeps the two states
 * apart and has no conflict; LALR merges them and gets two reduce-reduce
 * conflicts (on d and on e), and so does SLR, since FOLLOW(A) and
 * FOLLOW(B) are both { d, e }.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 14 states, 0 shift/reduce, 2 reduce/reduce
 *   byacc                   : 13 states, 0 shift/reduce, 2 reduce/reduce
 *   bison -y, canonical LR  : 15 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 6.
 */

%%

s
	: 'a' a 'd'
	| 'b' b 'd'
	| 'a' b 'e'
	| 'b' a 'e'
	;

a
	: 'c'
	;

b
	: 'c'
	;

%%
