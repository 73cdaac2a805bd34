%{
/* Tally, a small language of assignments and prints over whole numbers:

	# a line comment (a block comment is written as in C)
	apples = 3 * (4 + 5);
	print "apples: ", apples, "\n";

   A statement that does not parse is reported with its line and skipped
   up to its semicolon; the run goes on with the next one. Its tokens come
   from the Lindle scanner of tally.l. */
#include <stdio.h>

/* The names and the strings the scanner met, each kept once; the scanner
   hands the parser their numbers. */
int tally_name(const char *text);
int tally_string(const char *text);

static void set(int name, long value);
static long get(int name);
static long divide(long a, long b);
static void print_string(int string);

#ifdef YYWPARS_H
/* A Unicode parser and scanner (-W) spell these with yyw. */
#define yysyntaxerror yywsyntaxerror
#define yylineno yywlineno
#endif
extern int yylineno;
%}

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

statement : NAME '=' expr ';'	{ set($1, $3); }
	| PRINT items ';'	{ printf("\n"); }
	| ';'
	| error ';'		{ yyerrok; }
	;

items : item
	| items ',' item
	;

item : expr			{ printf("%ld", $1); }
	| STRING		{ print_string($1); }
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

#include "tally_pool.h"

static struct pool names;
static struct pool strings;

int tally_name(const char *text)
{
	return keep(&names, text);
}

int tally_string(const char *text)
{
	return keep(&strings, text);
}

static void set(int name, long value)
{
	names.entries[name].value = value;
	names.entries[name].set = 1;
}

static long get(int name)
{
	if (!names.entries[name].set)
		printf("line %d: %s is not set\n", yylineno, names.entries[name].text);
	return names.entries[name].value;
}

static long divide(long a, long b)
{
	if (b == 0) {
		printf("line %d: division by zero\n", yylineno);
		return 0;
	}
	return a / b;
}

static void print_string(int string)
{
	fputs(strings.entries[string].text, stdout);
}

/* A syntax error names the line of the token that showed it. */
void yysyntaxerror(void)
{
	printf("line %d: syntax error\n", yylineno);
}

int main(void)
{
	int result = yyparse();
	release(&names);
	release(&strings);
	return result;
}
