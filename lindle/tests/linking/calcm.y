%{
/* The calculator as an object: its tokens come from the scanner object
   that main hands it. */
#include <stdio.h>
#define YYSTYPE int
%}
%name calc
%token NUMBER
%%
list :
	| list expr '\n'	{ printf("%d\n", $2); }
	;
expr : NUMBER
	| expr '+' NUMBER	{ $$ = $1 + $3; }
	;
%%
#include "calcmlex.h"

#ifdef YYWMPARS_H
#define PARSER_T yywmparser_t
#define LEXER_T yywmlexer_t
#define CREATEPARSER yywmcreateparser
#define DESTROYPARSER yywmdestroyparser
#define CREATELEXER yywmcreatelexer
#define DESTROYLEXER yywmdestroylexer
#define PARSE yywmparse
#else
#define PARSER_T yymparser_t
#define LEXER_T yymlexer_t
#define CREATEPARSER yymcreateparser
#define DESTROYPARSER yymdestroyparser
#define CREATELEXER yymcreatelexer
#define DESTROYLEXER yymdestroylexer
#define PARSE yymparse
#endif

int main(void)
{
	int status;
#ifdef INSTANCES
	PARSER_T parser;
	LEXER_T lexer;
	if (!CREATEPARSER(&parser, &calc) || !CREATELEXER(&lexer, &scanner))
		return 3;
#else
#define parser calc
#define lexer scanner
#endif
	parser.yymlexerptr = &lexer;
	lexer.yymparserptr = &parser;
	status = PARSE(&parser);
#ifdef INSTANCES
	DESTROYLEXER(&lexer);
	DESTROYPARSER(&parser);
#endif
	return status;
}
