/*
 * An expression language with fourteen precedence levels, loosest first:
 * sequence, assignment (right), conditional (right), logical or, logical
 * and, bitwise or, exclusive or, bitwise and, equality, relational
 * (non-associative), shift, additive, multiplicative, power (right), and
 * the prefix operators; postfix increment, call and subscript bind
 * tightest of all through their own level. Every ambiguity of the single
 * expression nonterminal is settled by the declarations.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 81 states, 0 shift/reduce, 0 reduce/reduce
 *   byacc                   : 80 states, 0 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 309 states, 0 shift/reduce, 0 reduce/reduce
 * Rules: 39.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token ID NUMBER
%token ASSIGN_ADD ASSIGN_SUB OR_OR AND_AND EQ NE LE GE SHL SHR POW INC DEC

%left ','
%right '=' ASSIGN_ADD ASSIGN_SUB
%right '?' ':'
%left OR_OR
%left AND_AND
%left '|'
%left '^'
%left '&'
%left EQ NE
%nonassoc '<' '>' LE GE
%left SHL SHR
%left '+' '-'
%left '*' '/' '%'
%right POW
%right PREFIX '!' '~'
%left POSTFIX INC DEC '(' '['

%%

statement
	: expr ';'
	;

expr
	: expr ',' expr
	| expr '=' expr
	| expr ASSIGN_ADD expr
	| expr ASSIGN_SUB expr
	| expr '?' expr ':' expr
	| expr OR_OR expr
	| expr AND_AND expr
	| expr '|' expr
	| expr '^' expr
	| expr '&' expr
	| expr EQ expr
	| expr NE expr
	| expr '<' expr
	| expr '>' expr
	| expr LE expr
	| expr GE expr
	| expr SHL expr
	| expr SHR expr
	| expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| expr '%' expr
	| expr POW expr
	| '-' expr %prec PREFIX
	| '+' expr %prec PREFIX
	| '!' expr
	| '~' expr
	| INC expr %prec PREFIX
	| DEC expr %prec PREFIX
	| expr INC %prec POSTFIX
	| expr DEC %prec POSTFIX
	| expr '(' ')' %prec POSTFIX
	| expr '(' expr ')' %prec POSTFIX
	| expr '[' expr ']' %prec POSTFIX
	| '(' expr ')'
	| ID
	| NUMBER
	;

%%
