J/*
 * A small block-structured language that exercises what actions can do
 * beyond the plain final action: mid-rule actions (at the start of a rule,
 * between symbols, and two in a row), their values set through $<tag>$ and
 * read through $<tag>n, values reached below the rule through $<tag>0 and
 * $<tag>-1, and error rules that resume with yyerrok and yyclearin.
 *
 * Conflicts, as the peer tools count them:
 *   bison -y : none
 *   byacc    : none
 * Rules: 28 alternatives written here, plus 10 empty rules made for the
 * mid-rule actions.
 */

%{
#include <stdio.h>
#include <string.h>

static int depth;
static int declared;
static int errors_recovered;

static void declare(const char *name, int type, int kind, int position)
{
	++declared;
	printf("%*sdeclare %s : %s (%s %d)\n", 2 * depth, "", name,
	       type == 1 ? "int" : "real", kind == 'v' ? "variable" : "constant", position + 1);
}

static int enter_scope(void)
{
	return ++depth;
}

static void leave_scope(int level)
{
	if (level != depth)
		fprintf(stderr, "scope mismatch: %d left at %d\n", level, depth);
	--depth;
}

int yylex(void);
void yyerror(const char *message);
%}

%union {
	int number;
	const char *name;
}

%token <name> NAME
%token <number> NUMBER
%token INT REAL VAR CONST PRINT BEGIN_ END WHILE DO

%type <number> program statement_list statement block declaration
%type <number> type kind expr

%left '+' '-'
%left '*' '/'

%%

program
	: { depth = 0; declared = 0; } statement_list
					{ $$ = $2;
					  printf("%d statements, %d names, %d recoveries\n",
					         $$, declared, errors_recovered); }
	;

statement_list
	: /* empty */			{ $$ = 0; }
	| statement_list statement	{ $$ = $1 + $2; }
	;

statement
	: declaration ';'		{ $$ = $1; }
	| NAME '=' { $<name>$ = $1; } expr ';'
					{ printf("%s := %d\n", $<name>3, $4); $$ = 1; }
	| PRINT expr ';'		{ printf("%d\n", $2); $$ = 1; }
	| block
	| WHILE { $<number>$ = depth; } expr DO { $<number>$ = $3 != 0; } statement
					{ $$ = $<number>5 ? $6 + 1 : 1;
					  if ($<number>2 != depth) yyerror("loop left its scope"); }
	| error ';'			{ yyerrok; ++errors_recovered; $$ = 0; }
	| PRINT error ';'		{ yyerrok; yyclearin; ++errors_recovered; $$ = 0; }
	;

block
	: BEGIN_ { $<number>$ = enter_scope(); } statement_list { $<number>$ = $3; } { $<number>$ = depth; } END
					{ leave_scope($<number>2); $$ = $<number>4 + ($<number>5 > 0); }
	;

declaration
	: kind type { $<number>$ = declared; } name_list
					{ $$ = declared - $<number>3; }
	;

kind
	: VAR				{ $$ = 'v'; }
	| CONST				{ $$ = 'c'; }
	;

type
	: INT				{ $$ = 1; }
	| REAL				{ $$ = 2; }
	;

/* Inherited values: below name_list the stack holds the count before the
   list, the type and the kind, at $0, $-1 and $-2 of either alternative. */
name_list
	: NAME				{ declare($1, $<number>-1, $<number>-2, declared - $<number>0); }
	| name_list ',' NAME		{ declare($3, $<number>-1, $<number>-2, declared - $<number>0); }
	| name_list ',' error		{ yyerrok; ++errors_recovered; }
	;

expr
	: NUMBER
	| NAME				{ $$ = (int)strlen($1); }
	| expr '+' expr			{ $$ = $1 + $3; }
	| expr '-' expr			{ $$ = $1 - $3; }
	| expr '*' expr			{ $$ = $1 * $3; }
	| expr '/' { $<number>$ = 0; } expr
					{ $$ = $4 != 0 ? $1 / $4 : $<number>3; }
	| '(' expr ')'			{ $$ = $2; }
	| '(' error ')'			{ yyerrok; $$ = 0; }
	| '-' { $<name>$ = "negated"; } expr %prec '*'
					{ $$ = -$3; (void)$<name>2; }
	;

%%

void yyerror(const char *message)
{
	fprintf(stderr, "%s\n", message);
}
