/*
 * Empty alternatives and chains of nullable nonterminals: a declaration
 * whose storage class, qualifiers, type and initialiser may all be left
 * out, a nullable chain three deep (modifiers : modifier_list :
 * modifier_seq), a list that may be empty or end in a comma, and a whole
 * program that may be empty. Every empty rule reduces where its
 * nonterminal is expected, on FIRST of what follows it.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 38 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 37 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 43 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 30.
 */

%token ID NUMBER STATIC EXTERN CONST VOLATILE INT CHAR INLINE PACKED

%%

program
	: /* empty */
	| program declaration
	;

declaration
	: storage qualifiers type_part declarator initialiser ';'
	| modifiers '{' entries '}' ';'
	;

storage
	: /* empty */
	| STATIC
	| EXTERN
	;

qualifiers
	: /* empty */
	| qualifiers qualifier
	;

qualifier
	: CONST
	| VOLATILE
	;

type_part
	: /* empty */
	| INT
	| CHAR
	;

declarator
	: ID
	| '*' qualifiers declarator
	;

initialiser
	: /* empty */
	| '=' value
	;

value
	: NUMBER
	| ID
	;

modifiers
	: modifier_list
	;

modifier_list
	: modifier_seq
	;

modifier_seq
	: /* empty */
	| modifier_seq INLINE
	| modifier_seq PACKED
	;

entries
	: /* empty */
	| entry_list
	| entry_list ','
	;

entry_list
	: value
	| entry_list ',' value
	;

%%
