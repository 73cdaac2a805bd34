%skeleton "lalr1.cc"
%define api.value.type {int}

%code {
#include "driver_cpp.h"
static int yylex(yy::parser::semantic_type *)
{
	return ::yylex();
}
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

void yy::parser::error(const std::string &message)
{
	std::fprintf(stderr, "%s at token %zu\n", message.c_str(), next);
}

int main(int argc, char **argv)
{
	if (argc != 2 || !load(argv[1]))
		return 2;
	number_token = yy::parser::token::NUMBER;
	yy::parser parser;
	return report(parser.parse());
}
