%{
// Tally in C++: the language of tally.y, whole numbers, names, strings,
// and recovery from statements that do not parse. Its tokens come from the
// Lindle scanner of tally_cpp.l, which keeps the names and strings it met.
#include <stdio.h>
#include "tally_cpp_lex.h"
%}

%include {
#include <map>

class tallylexer;
}

%name tally
{
	// The scanner the tokens come from, whose tables hold the names and
	// strings that the tokens number.
	tallylexer *scanner;
	std::map<int, long> values;

	long get(int name);
	long divide(long a, long b);
	void yysyntaxerror();
}
{
	scanner = NULL;
}

%union {
	long number;
	int name;
	int string;
}

%token <number> NUMBER
%token <name> NAME
%token <string> STRING
%token PRINT
%type <number> expr

%left '+' '-'
%left '*' '/'
%right UMINUS

%%

program : /* empty */
	| program statement
	;

statement : NAME '=' expr ';'	{ values[$1] = $3; }
	| PRINT items ';'	{ printf("\n"); }
	| ';'
	| error ';'		{ yyerrok; }
	;

items : item
	| items ',' item
	;

item : expr			{ printf("%ld", $1); }
	| STRING		{ fputs(scanner->strings[$1].c_str(), stdout); }
	;

expr : expr '+' expr		{ $$ = $1 + $3; }
	| expr '-' expr		{ $$ = $1 - $3; }
	| expr '*' expr		{ $$ = $1 * $3; }
	| expr '/' expr		{ $$ = divide($1, $3); }
	| '-' expr %prec UMINUS	{ $$ = -$2; }
	| '(' expr ')'		{ $$ = $2; }
	| NUMBER
	| NAME			{ $$ = get($1); }
	;

%%

long tally::get(int name)
{
	std::map<int, long>::const_iterator value = values.find(name);
	if (value == values.end()) {
		printf("line %d: %s is not set\n", scanner->yylineno, scanner->names[name].c_str());
		return 0;
	}
	return value->second;
}

long tally::divide(long a, long b)
{
	if (b == 0) {
		printf("line %d: division by zero\n", scanner->yylineno);
		return 0;
	}
	return a / b;
}

// A syntax error names the line of the token that showed it.
void tally::yysyntaxerror()
{
	printf("line %d: syntax error\n", scanner->yylineno);
}

int main()
{
	tally parser;
	tallylexer lexer;
	parser.scanner = &lexer;
	// The parser reads its tokens from the scanner, whose actions fill
	// their values.
	if (!parser.yycreate(&lexer))
		return 1;
	return parser.yyparse();
}
