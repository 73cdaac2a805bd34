%{
#include "driver_cpp.h"
%}

%name ExprParser
{
	virtual int yygettoken();
}

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

int ExprParser::yygettoken()
{
	return yylex();
}

int main(int argc, char **argv)
{
	if (argc != 2 || !load(argv[1]))
		return 2;
	number_token = NUMBER;
	ExprParser parser;
	if (!parser.yycreate())
		return 2;
	return report(parser.yyparse());
}
