%{
int yylex(void);
void yyerror(const char *message);
%}

%token NUMBER
%left '+' '-'
%left '*' '/'
%right UMINUS

%%

list
	: /* empty */
	| list expr ';'
	;

expr
	: expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| '-' expr %prec UMINUS
	| '(' expr ')'
	| NUMBER
	;

%%

#include "driver.h"
