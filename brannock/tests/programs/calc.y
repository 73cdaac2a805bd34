%{
/* A desk calculator: one expression per line, printed when the line ends.
   The end-to-end tests build it whole, with its own scanner. */
#include <ctype.h>
#include <stdio.h>

int yylex(void);
void yyerror(const char *text);
%}

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

int yylex(void)
{
	int c;
	while ((c = getchar()) == ' ' || c == '\t')
		;
	if (c == '.' || isdigit(c)) {
		ungetc(c, stdin);
		if (scanf("%lf", &yylval.value) != 1)
			return 0;
		return NUMBER;
	}
	return c == EOF ? 0 : c;
}

void yyerror(const char *text)
{
	fprintf(stderr, "%s\n", text);
}

int main(void)
{
	return yyparse();
}
