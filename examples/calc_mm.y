%{
/* The desk calculator of calc.y as objects: the parser object calc takes
   its tokens from the scanner object calc_scanner of calc_mm.l, and no
   global variable passes between them. Generated with -mm, the program
   parses with the objects as they are; generated with -mi, they are
   constant patterns, and the program is compiled with -DINSTANCES
   to parse with copies made from them. With -W, the objects are Unicode
   ones. */
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

#include "calc_mm_lex.h"
#include "object_names.h"

/* Syntax errors go to the parser's yymerr, standard error. */
static int run(parser_t *parser, lexer_t *lexer)
{
	parser->yymlexerptr = lexer;
	lexer->yymparserptr = parser;
	return parse(parser);
}

int main(void)
{
#ifdef INSTANCES
	parser_t parser;
	lexer_t lexer;
	int status;
	if (!create_parser(&parser, &calc))
		return 2;
	if (!create_lexer(&lexer, &calc_scanner)) {
		destroy_parser(&parser);
		return 2;
	}
	status = run(&parser, &lexer);
	destroy_lexer(&lexer);
	destroy_parser(&parser);
	return status;
#else
	return run(&calc, &calc_scanner);
#endif
}
