/*
 * Lisp reader syntax: atoms, proper and dotted lists, vectors, and the
 * quote, quasiquote, unquote and unquote-splicing prefixes. A program is a
 * possibly empty sequence of expressions.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 32 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 31 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 112 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 19.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%union {
	const char *text;
	long number;
	void *cell;
}

%token <text> SYMBOL STRING
%token <number> NUMBER

%type <cell> datum list sequence vector atom

%%

program
	: /* empty */
	| program datum
	;

datum
	: atom
	| list
	| vector
	| '\'' datum			{ $$ = $2; }
	| '`' datum			{ $$ = $2; }
	| ',' datum			{ $$ = $2; }
	| ',' '@' datum			{ $$ = $3; }
	;

list
	: '(' ')'			{ $$ = 0; }
	| '(' sequence ')'		{ $$ = $2; }
	| '(' sequence '.' datum ')'	{ $$ = $2; }
	;

vector
	: '#' '(' ')'			{ $$ = 0; }
	| '#' '(' sequence ')'		{ $$ = $3; }
	;

sequence
	: datum
	| sequence datum
	;

atom
	: SYMBOL			{ $$ = (void *)$1; }
	| STRING			{ $$ = (void *)$1; }
	| NUMBER			{ $$ = 0; }
	;

%%
