/*
 * The notation of yacc grammars itself: a declarations section with %token,
 * %left, %right, %nonassoc, %type, %start and %union, optional tags and
 * token numbers, the %% separator, rules with alternatives, actions and
 * %prec, and an optional trailing section. An identifier directly followed
 * by a colon comes from the scanner as RULE_NAME, which is what lets one
 * token of lookahead find where a rule ends without a ';'.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 45 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 44 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 47 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 35.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token IDENTIFIER RULE_NAME NUMBER CHARACTER TAG ACTION PROLOGUE UNION_BODY TRAILER
%token MARK LEFT RIGHT NONASSOC TOKEN TYPE START UNION PREC

%start specification

%%

specification
	: definitions MARK rules tail
	;

tail
	: /* empty */
	| MARK
	| MARK TRAILER
	;

definitions
	: /* empty */
	| definitions definition
	;

definition
	: START IDENTIFIER
	| UNION UNION_BODY
	| PROLOGUE
	| symbol_kind tag symbol_list
	;

symbol_kind
	: TOKEN
	| LEFT
	| RIGHT
	| NONASSOC
	| TYPE
	;

tag
	: /* empty */
	| TAG
	;

symbol_list
	: symbol_entry
	| symbol_list symbol_entry
	| symbol_list ',' symbol_entry
	;

symbol_entry
	: symbol
	| symbol NUMBER
	;

symbol
	: IDENTIFIER
	| CHARACTER
	;

rules
	: rule
	| rules rule
	;

rule
	: RULE_NAME alternatives end_of_rule
	;

end_of_rule
	: /* empty */
	| ';'
	;

alternatives
	: body
	| alternatives '|' body
	;

body
	: /* empty */
	| body symbol
	| body ACTION
	| body PREC symbol
	;

%%
