%{
/* Tally of tally.y as objects, for the multiple models: the parser object
   tally takes its tokens from the scanner object tally_scanner of
   tally_mm.l, and what tally.y keeps in global variables, the names and
   strings met, hangs off the parser's yymdata. Generated with -mm, the
   program parses with the objects as they are; generated with -mi, they
   are constant patterns, and the program is compiled with -DINSTANCES to
   parse with copies made from them. With -W, the objects are Unicode
   ones. */
#include <stdio.h>

#include "object_names.h"

/* The names and the strings the scanner met, each kept once; the scanner
   hands the parser their numbers. */
int tally_name(parser_t *tally, const char *text);
int tally_string(parser_t *tally, const char *text);

static void set(parser_t *tally, int name, long value);
static long get(parser_t *tally, int name);
static long divide(parser_t *tally, long a, long b);
static void print_string(parser_t *tally, int string);

/* A syntax error names the line of the token that showed it. */
static void syntax_error(parser_t *tally);
#define YYMSYNTAXERROR syntax_error
%}

%name tally

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

statement : NAME '=' expr ';'	{ set(yy, $1, $3); }
	| PRINT items ';'	{ printf("\n"); }
	| ';'
	| error ';'		{ yyerrok; }
	;

items : item
	| items ',' item
	;

item : expr			{ printf("%ld", $1); }
	| STRING		{ print_string(yy, $1); }
	;

expr : expr '+' expr		{ $$ = $1 + $3; }
	| expr '-' expr		{ $$ = $1 - $3; }
	| expr '*' expr		{ $$ = $1 * $3; }
	| expr '/' expr		{ $$ = divide(yy, $1, $3); }
	| '-' expr %prec UMINUS	{ $$ = -$2; }
	| '(' expr ')'		{ $$ = $2; }
	| NUMBER
	| NAME			{ $$ = get(yy, $1); }
	;

%%

#include "tally_mm_lex.h"
#include "tally_pool.h"

/* What one run of the parser keeps, in its yymdata. */
struct memory {
	struct pool names;
	struct pool strings;
};

static struct memory *memory_of(parser_t *tally)
{
	return (struct memory *) tally->yymdata;
}

/* The line of the scanner that serves the parser. */
static int line(parser_t *tally)
{
	return ((lexer_t *) tally->yymlexerptr)->yymlineno;
}

int tally_name(parser_t *tally, const char *text)
{
	return keep(&memory_of(tally)->names, text);
}

int tally_string(parser_t *tally, const char *text)
{
	return keep(&memory_of(tally)->strings, text);
}

static void set(parser_t *tally, int name, long value)
{
	struct entry *entry = &memory_of(tally)->names.entries[name];
	entry->value = value;
	entry->set = 1;
}

static long get(parser_t *tally, int name)
{
	struct entry *entry = &memory_of(tally)->names.entries[name];
	if (!entry->set)
		printf("line %d: %s is not set\n", line(tally), entry->text);
	return entry->value;
}

static long divide(parser_t *tally, long a, long b)
{
	if (b == 0) {
		printf("line %d: division by zero\n", line(tally));
		return 0;
	}
	return a / b;
}

static void print_string(parser_t *tally, int string)
{
	fputs(memory_of(tally)->strings.entries[string].text, stdout);
}

static void syntax_error(parser_t *tally)
{
	printf("line %d: syntax error\n", line(tally));
}

static int run(parser_t *parser, lexer_t *lexer)
{
	struct memory memory = { { NULL, 0, 0 }, { NULL, 0, 0 } };
	int status;
	parser->yymdata = &memory;
	parser->yymlexerptr = lexer;
	lexer->yymparserptr = parser;
	status = parse(parser);
	release(&memory.names);
	release(&memory.strings);
	return status;
}

int main(void)
{
#ifdef INSTANCES
	parser_t parser;
	lexer_t lexer;
	int status;
	if (!create_parser(&parser, &tally))
		return 2;
	if (!create_lexer(&lexer, &tally_scanner)) {
		destroy_parser(&parser);
		return 2;
	}
	status = run(&parser, &lexer);
	destroy_lexer(&lexer);
	destroy_parser(&parser);
	return status;
#else
	return run(&tally, &tally_scanner);
#endif
}
