/*
 * The smallest grammar: one rule of one token. State 0 holds the start
 * item, the token leads to state 1 and the start symbol to state 2.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 4 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 3 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 4 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 1.
 */

%%

s
	: 'a'
	;

%%
