%{
#include <stdio.h>
#define YYSTYPE int
%}
%token NUMBER
%%
list :
	| list expr '\n'	{ printf("%d\n", $2); }
	;
expr : NUMBER
	| expr '+' NUMBER	{ $$ = $1 + $3; }
	;
%%
int main(void)
{
	return yyparse();
}
