/*
 * Rule precedence through %prec: unary minus and unary plus take the level
 * of UMINUS, above '*', and a postfix factorial binds tightest of all. The
 * conditional operator's rule names with %prec a token that has no
 * precedence, and its last token ':' has none either, so the rule has no
 * level whether a precedence-less %prec token falls back to the last token
 * or not. Its conflicts stay: after "a ? b : c" each of the six operators
 * that could continue c gives one shift-reduce conflict, settled by
 * shifting.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 27 states, 6 shift/reduce, 0 reduce/reduce
 *   byacc                   : 26 states, 6 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 71 states, 18 shift/reduce, 0 reduce/reduce
 * Rules: 12.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token NUMBER NAME
%token NOPREC

%right '?'
%left '+' '-'
%left '*' '/'
%right UMINUS
%left '!'

%%

line
	: expr '\n'
	;

expr
	: expr '?' expr ':' expr %prec NOPREC
	| expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| '-' expr %prec UMINUS
	| '+' expr %prec UMINUS
	| expr '!'
	| '(' expr ')'
	| NUMBER
	| NAME
	;

%%
