/*
 * Comparisons that do not associate: a < b and a == b are expressions,
 * but a < b < c and a == b != c are syntax errors, because %nonassoc
 * leaves no action for a second operator of the same level. Equality and
 * relational operators are two separate non-associative levels above the
 * logical ones, so a < b == c < d still groups as (a < b) == (c < d). A
 * range test "x IN a .. b" is non-associative at its own level too.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 43 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 42 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 115 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 21.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token ID NUMBER IN DOTS
%token OR AND NOT EQ NE LE GE

%left OR
%left AND
%right NOT
%nonassoc EQ NE
%nonassoc '<' '>' LE GE
%nonassoc IN
%nonassoc DOTS
%left '+' '-'
%left '*' '/'

%%

conditions
	: condition
	| conditions ';' condition
	;

condition
	: expr
	;

expr
	: expr OR expr
	| expr AND expr
	| NOT expr
	| expr EQ expr
	| expr NE expr
	| expr '<' expr
	| expr '>' expr
	| expr LE expr
	| expr GE expr
	| expr IN range
	| expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| '(' expr ')'
	| ID
	| NUMBER
	;

range
	: expr DOTS expr
	;

%%
