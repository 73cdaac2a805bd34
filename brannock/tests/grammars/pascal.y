/*
 * A Pascal subset: a program with labels, constants, types, variables,
 * nested procedures and functions, the structured statements, and the
 * expression levels of the language (relational, adding, multiplying,
 * factor). Keywords and the multi-character symbols are tokens of their
 * own; one-character symbols are character tokens.
 *
 * Conflicts, as the peer tools count them:
 *   bison -y : 1 shift/reduce (the dangling else), 0 reduce/reduce
 *   byacc    : 1 shift/reduce (the dangling else), 0 reduce/reduce
 * Rules: 129 alternatives written here, plus 2 empty rules made for the
 * mid-rule actions.
 */

%{
#include <stdio.h>
#include <string.h>

static int statement_count;
static int routine_count;
static int nesting;
static int label_count;
static int constant_count;
static int variable_cells;
static int call_count;
static int operator_count;
static int operand_count;
static int assignment_count;

static void note_routine(const char *kind, const char *name, int parameters)
{
	++routine_count;
	printf("%*s%s %s (%d parameters)\n", 2 * nesting, "", kind, name, parameters);
}

static void note_name(const char *kind, const char *name, long value)
{
	printf("%*s%s %s = %ld\n", 2 * nesting, "", kind, name, value);
}

int yylex(void);
void yyerror(const char *message);
%}

%union {
	long number;
	const char *name;
}

%token <name> IDENTIFIER STRING
%token <number> NUMBER
%token ASSIGN DOTDOT LE GE NE
%token AND ARRAY BEGIN_ CASE CONST DIV DO DOWNTO ELSE END FILE_ FOR FUNCTION
%token GOTO IF IN LABEL MOD NIL NOT OF OR PACKED PROCEDURE PROGRAM RECORD
%token REPEAT SET THEN TO TYPE UNTIL VAR WHILE WITH

%type <number> statement_list identifier_list parameter_part parameter_list
%type <number> parameter_group expression_list case_list field_list
%type <number> label_list constant_definitions variable_declarations
%type <number> sign constant type simple_type structured_type index_list
%type <number> record_section variable_declaration
%type <number> case_element case_labels variable_list
%type <name> routine_name variable

%start program

%%

program
	: PROGRAM IDENTIFIER program_parameters ';' block '.'
					{ printf("program %s: %d statements, %d routines, %d labels, "
					         "%d constants, %d variable cells, %d assignments, "
					         "%d calls, %d operators, %d operands\n",
					         $2, statement_count, routine_count, label_count,
					         constant_count, variable_cells, assignment_count,
					         call_count, operator_count, operand_count); }
	;

program_parameters
	: /* empty */
	| '(' identifier_list ')'
	;

identifier_list
	: IDENTIFIER			{ $$ = 1; }
	| identifier_list ',' IDENTIFIER
					{ $$ = $1 + 1; }
	;

block
	: label_part constant_part type_part variable_part routine_part compound_statement
	;

label_part
	: /* empty */
	| LABEL label_list ';'		{ label_count += $2; }
	;

label_list
	: NUMBER			{ $$ = 1; }
	| label_list ',' NUMBER		{ $$ = $1 + 1; }
	;

constant_part
	: /* empty */
	| CONST constant_definitions	{ constant_count += $2; }
	;

constant_definitions
	: constant_definition		{ $$ = 1; }
	| constant_definitions constant_definition
					{ $$ = $1 + 1; }
	;

constant_definition
	: IDENTIFIER '=' constant ';'	{ note_name("constant", $1, $3); }
	;

/* The value of a constant whose value the parser can know; zero for the others. */
constant
	: NUMBER
	| sign NUMBER			{ $$ = $1 * $2; }
	| IDENTIFIER			{ $$ = 0; }
	| sign IDENTIFIER		{ $$ = 0; }
	| STRING			{ $$ = 0; }
	;

sign
	: '+'				{ $$ = 1; }
	| '-'				{ $$ = -1; }
	;

type_part
	: /* empty */
	| TYPE type_definitions
	;

type_definitions
	: type_definition
	| type_definitions type_definition
	;

type_definition
	: IDENTIFIER '=' type ';'	{ note_name("type", $1, $3); }
	;

/* A type's value is its size in cells. */
type
	: simple_type			{ $$ = 1; }
	| '^' IDENTIFIER		{ $$ = 1; }
	| structured_type
	| PACKED structured_type	{ $$ = $2; }
	;

/* A simple type's value is its number of values, one where the parser cannot know it. */
simple_type
	: IDENTIFIER			{ $$ = 1; }
	| '(' identifier_list ')'	{ $$ = $2; }
	| constant DOTDOT constant	{ $$ = $3 >= $1 ? $3 - $1 + 1 : 1; }
	;

structured_type
	: ARRAY '[' index_list ']' OF type
					{ $$ = $3 * $6; }
	| RECORD field_list END		{ $$ = $2; }
	| SET OF simple_type		{ $$ = 1; }
	| FILE_ OF type			{ $$ = 1; }
	;

index_list
	: simple_type
	| index_list ',' simple_type	{ $$ = $1 * $3; }
	;

field_list
	: record_section
	| field_list ';' record_section	{ $$ = $1 + $3; }
	;

record_section
	: /* empty */			{ $$ = 0; }
	| identifier_list ':' type	{ $$ = $1 * $3; }
	;

variable_part
	: /* empty */
	| VAR variable_declarations	{ variable_cells += $2; }
	;

variable_declarations
	: variable_declaration
	| variable_declarations variable_declaration
					{ $$ = $1 + $2; }
	;

variable_declaration
	: identifier_list ':' type ';'	{ $$ = $1 * $3; }
	;

routine_part
	: /* empty */
	| routine_part routine_declaration ';'
	;

routine_declaration
	: PROCEDURE routine_name parameter_part ';'
					{ note_routine("procedure", $2, $3); ++nesting; }
	  block			{ --nesting; }
	| FUNCTION routine_name parameter_part ':' IDENTIFIER ';'
					{ note_routine("function", $2, $3); ++nesting; }
	  block			{ --nesting; }
	;

routine_name
	: IDENTIFIER
	;

parameter_part
	: /* empty */			{ $$ = 0; }
	| '(' parameter_list ')'	{ $$ = $2; }
	;

parameter_list
	: parameter_group
	| parameter_list ';' parameter_group
					{ $$ = $1 + $3; }
	;

parameter_group
	: identifier_list ':' IDENTIFIER
					{ $$ = $1; }
	| VAR identifier_list ':' IDENTIFIER
					{ $$ = $2; }
	;

compound_statement
	: BEGIN_ statement_list END
	;

statement_list
	: statement			{ $$ = 1; }
	| statement_list ';' statement	{ $$ = $1 + 1; }
	;

statement
	: unlabelled_statement		{ ++statement_count; }
	| NUMBER ':' unlabelled_statement
					{ ++statement_count; }
	;

unlabelled_statement
	: /* empty */
	| variable ASSIGN expression	{ ++assignment_count; }
	| IDENTIFIER			{ ++call_count; }
	| IDENTIFIER '(' expression_list ')'
					{ ++call_count; }
	| compound_statement
	| IF expression THEN statement
	| IF expression THEN statement ELSE statement
	| CASE expression OF case_list END
	| CASE expression OF case_list ';' END
	| WHILE expression DO statement
	| REPEAT statement_list UNTIL expression
	| FOR IDENTIFIER ASSIGN expression direction expression DO statement
	| WITH variable_list DO statement
	| GOTO NUMBER
	;

direction
	: TO
	| DOWNTO
	;

case_list
	: case_element			{ $$ = 1; }
	| case_list ';' case_element	{ $$ = $1 + 1; }
	;

case_element
	: case_labels ':' statement
	;

case_labels
	: constant			{ $$ = 1; }
	| case_labels ',' constant	{ $$ = $1 + 1; }
	;

variable_list
	: variable			{ $$ = 1; }
	| variable_list ',' variable	{ $$ = $1 + 1; }
	;

/* A variable's value is the name of the variable or field it ends in. */
variable
	: IDENTIFIER
	| variable '[' expression_list ']'
	| variable '.' IDENTIFIER	{ $$ = $3; }
	| variable '^'
	;

expression_list
	: expression			{ $$ = 1; }
	| expression_list ',' expression
					{ $$ = $1 + 1; }
	;

expression
	: simple_expression
	| simple_expression relational_operator simple_expression
					{ ++operator_count; }
	;

relational_operator
	: '='
	| NE
	| '<'
	| LE
	| '>'
	| GE
	| IN
	;

simple_expression
	: term
	| sign term			{ ++operator_count; }
	| simple_expression adding_operator term
					{ ++operator_count; }
	;

adding_operator
	: '+'
	| '-'
	| OR
	;

term
	: factor
	| term multiplying_operator factor
					{ ++operator_count; }
	;

multiplying_operator
	: '*'
	| '/'
	| DIV
	| MOD
	| AND
	;

factor
	: variable			{ ++operand_count; }
	| NUMBER			{ ++operand_count; }
	| STRING			{ ++operand_count; }
	| NIL				{ ++operand_count; }
	| IDENTIFIER '(' expression_list ')'
					{ ++call_count; }
	| '(' expression ')'
	| NOT factor			{ ++operator_count; }
	| '[' ']'			{ ++operand_count; }
	| '[' set_elements ']'		{ ++operand_count; }
	;

set_elements
	: set_element
	| set_elements ',' set_element
	;

set_element
	: expression
	| expression DOTDOT expression
	;

%%

/* Keywords by spelling; the scanner that uses this table is supplied by the test that compiles the parser. */
static const struct {
	const char *spelling;
	int token;
} keywords[] = {
	{"and", AND}, {"array", ARRAY}, {"begin", BEGIN_}, {"case", CASE},
	{"const", CONST}, {"div", DIV}, {"do", DO}, {"downto", DOWNTO},
	{"else", ELSE}, {"end", END}, {"file", FILE_}, {"for", FOR},
	{"function", FUNCTION}, {"goto", GOTO}, {"if", IF}, {"in", IN},
	{"label", LABEL}, {"mod", MOD}, {"nil", NIL}, {"not", NOT}, {"of", OF},
	{"or", OR}, {"packed", PACKED}, {"procedure", PROCEDURE},
	{"program", PROGRAM}, {"record", RECORD}, {"repeat", REPEAT},
	{"set", SET}, {"then", THEN}, {"to", TO}, {"type", TYPE},
	{"until", UNTIL}, {"var", VAR}, {"while", WHILE}, {"with", WITH},
};

int keyword_token(const char *spelling)
{
	size_t i;
	for (i = 0; i < sizeof keywords / sizeof keywords[0]; ++i)
		if (strcmp(keywords[i].spelling, spelling) == 0)
			return keywords[i].token;
	return IDENTIFIER;
}

void yyerror(const char *message)
{
	fprintf(stderr, "%s\n", message);
}
