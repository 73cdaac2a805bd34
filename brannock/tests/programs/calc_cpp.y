%{
// A desk calculator whose parser reads its own tokens (the examples take
// them from a Lindle scanner): one expression per line, printed when the
// line ends.
#include <ctype.h>
#include <stdio.h>
%}

%name calc
{
	// the token source of the calculator: standard input
	virtual int yygettoken();
}

%union {
	double value;
}

%token <value> NUMBER
%type <value> expr

%left '+' '-'
%left '*' '/'
%right UMINUS

%%

lines : /* empty */
	| lines line
	;

line : '\n'
	| expr '\n'		{ printf("%g\n", $1); }
	| error '\n'		{ yyerrok; }
	;

expr : expr '+' expr		{ $$ = $1 + $3; }
	| expr '-' expr		{ $$ = $1 - $3; }
	| expr '*' expr		{ $$ = $1 * $3; }
	| expr '/' expr		{ $$ = $1 / $3; }
	| '-' expr %prec UMINUS	{ $$ = -$2; }
	| '(' expr ')'		{ $$ = $2; }
	| NUMBER
	;

%%

int calc::yygettoken()
{
	int c;
	while ((c = getchar()) == ' ' || c == '\t')
		;
	if (c == '.' || isdigit(c)) {
		ungetc(c, stdin);
		if (scanf("%lf", &((YYSTYPE *) yylvalptr)->value) != 1)
			return 0;
		return NUMBER;
	}
	return c == EOF ? 0 : c;
}

int main()
{
	calc parser;
	if (!parser.yycreate())
		return 1;
	return parser.yyparse();
}
