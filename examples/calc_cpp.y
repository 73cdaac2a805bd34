%{
// A desk calculator in C++: one expression per line, printed when the line
// ends. Its tokens come from the Lindle scanner of calc_cpp.l.
#include <stdio.h>
%}

%name calc

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

#include "calc_cpp_lex.h"

int main()
{
	calc parser;
	calclexer lexer;
	// The parser reads its tokens from the scanner, whose actions fill
	// their values.
	if (!parser.yycreate(&lexer))
		return 1;
	return parser.yyparse();
}
