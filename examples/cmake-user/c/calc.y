%{
/* A desk calculator: one expression per line, printed when the line ends.
   Its scanner is scan.l. */
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

void yyerror(const char *text)
{
	fprintf(stderr, "%s\n", text);
}

int main(void)
{
	return yyparse();
}
