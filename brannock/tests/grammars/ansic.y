/*
 * ANSI C (C89/C90) in the classic structure of the language's reference
 * grammar: external declarations, declarations and declarators, statements,
 * and the expression hierarchy from the comma operator down to primary
 * expressions. Typedef names come from the scanner as TYPE_NAME.
 *
 * Conflicts, as the peer tools count them:
 *   bison -y : 1 shift/reduce (the dangling else), 0 reduce/reduce
 *   byacc    : 1 shift/reduce (the dangling else), 0 reduce/reduce
 * Rules: 211 alternatives written here, plus 4 empty rules made for the
 * mid-rule actions.
 */

%{
#include <stdio.h>
#include <stdlib.h>

/* A syntax tree: every node has a kind, an optional spelling and up to three children. */
struct node {
	int kind;
	const char *text;
	struct node *child[3];
	struct node *next;
};

enum {
	N_IDENT = 1000, N_CONST, N_STRING, N_INDEX, N_CALL, N_MEMBER, N_ARROW,
	N_POSTINC, N_POSTDEC, N_PREINC, N_PREDEC, N_SIZEOF, N_SIZEOF_TYPE,
	N_CAST, N_COND, N_ASSIGN, N_COMMA, N_TYPE, N_LABEL, N_CASE, N_DEFAULT,
	N_BLOCK, N_EXPR, N_IF, N_SWITCH, N_WHILE, N_DO, N_FOR, N_GOTO,
	N_CONTINUE, N_BREAK, N_RETURN, N_FUNCTION
};

static struct node *leaf(int kind, const char *text);
static struct node *node3(int kind, struct node *a, struct node *b, struct node *c);
static struct node *append(struct node *list, struct node *item);
static struct node *begin_function(const char *name, int specifiers);
static struct node *end_function(struct node *function, int declarations, struct node *body);
#define node1(k, a)	node3((k), (a), 0, 0)
#define node2(k, a, b)	node3((k), (a), (b), 0)

static int loop_depth;
static int external_count;
static int declarator_count;
static struct node *last_function;

int yylex(void);
void yyerror(const char *message);
%}

%union {
	int count;
	const char *text;
	struct node *tree;
}

%token <text> IDENTIFIER CONSTANT STRING_LITERAL
%token TYPE_NAME SIZEOF
%token PTR_OP INC_OP DEC_OP LEFT_OP RIGHT_OP LE_OP GE_OP EQ_OP NE_OP
%token AND_OP OR_OP MUL_ASSIGN DIV_ASSIGN MOD_ASSIGN ADD_ASSIGN
%token SUB_ASSIGN LEFT_ASSIGN RIGHT_ASSIGN AND_ASSIGN
%token XOR_ASSIGN OR_ASSIGN

%token TYPEDEF EXTERN STATIC AUTO REGISTER
%token CHAR SHORT INT LONG SIGNED UNSIGNED FLOAT DOUBLE CONST VOLATILE VOID
%token STRUCT UNION ENUM ELLIPSIS

%token CASE DEFAULT IF ELSE SWITCH WHILE DO FOR GOTO CONTINUE BREAK RETURN

%type <tree> primary_expression postfix_expression argument_expression_list
%type <tree> unary_expression cast_expression multiplicative_expression
%type <tree> additive_expression shift_expression relational_expression
%type <tree> equality_expression and_expression exclusive_or_expression
%type <tree> inclusive_or_expression logical_and_expression
%type <tree> logical_or_expression conditional_expression
%type <tree> assignment_expression expression constant_expression
%type <tree> type_name initializer initializer_list
%type <tree> statement labeled_statement compound_statement statement_list
%type <tree> expression_statement selection_statement iteration_statement
%type <tree> jump_statement function_definition

%type <text> declarator direct_declarator init_declarator struct_declarator
%type <text> enumerator

%type <count> unary_operator assignment_operator
%type <count> declaration_specifiers specifier_qualifier_list
%type <count> init_declarator_list struct_declaration_list enumerator_list
%type <count> pointer type_qualifier_list parameter_list identifier_list
%type <count> declaration_list translation_unit declaration struct_declaration
%type <count> struct_declarator_list parameter_type_list parameter_declaration
%type <count> abstract_declarator

%start translation_unit

%%

primary_expression
	: IDENTIFIER			{ $$ = leaf(N_IDENT, $1); }
	| CONSTANT			{ $$ = leaf(N_CONST, $1); }
	| STRING_LITERAL		{ $$ = leaf(N_STRING, $1); }
	| '(' expression ')'		{ $$ = $2; }
	;

postfix_expression
	: primary_expression
	| postfix_expression '[' expression ']'
					{ $$ = node2(N_INDEX, $1, $3); }
	| postfix_expression '(' ')'	{ $$ = node2(N_CALL, $1, 0); }
	| postfix_expression '(' argument_expression_list ')'
					{ $$ = node2(N_CALL, $1, $3); }
	| postfix_expression '.' IDENTIFIER
					{ $$ = node2(N_MEMBER, $1, leaf(N_IDENT, $3)); }
	| postfix_expression PTR_OP IDENTIFIER
					{ $$ = node2(N_ARROW, $1, leaf(N_IDENT, $3)); }
	| postfix_expression INC_OP	{ $$ = node1(N_POSTINC, $1); }
	| postfix_expression DEC_OP	{ $$ = node1(N_POSTDEC, $1); }
	;

argument_expression_list
	: assignment_expression
	| argument_expression_list ',' assignment_expression
					{ $$ = append($1, $3); }
	;

unary_expression
	: postfix_expression
	| INC_OP unary_expression	{ $$ = node1(N_PREINC, $2); }
	| DEC_OP unary_expression	{ $$ = node1(N_PREDEC, $2); }
	| unary_operator cast_expression
					{ $$ = node1($1, $2); }
	| SIZEOF unary_expression	{ $$ = node1(N_SIZEOF, $2); }
	| SIZEOF '(' type_name ')'	{ $$ = node1(N_SIZEOF_TYPE, $3); }
	;

unary_operator
	: '&'				{ $$ = '&'; }
	| '*'				{ $$ = '*'; }
	| '+'				{ $$ = '+'; }
	| '-'				{ $$ = '-'; }
	| '~'				{ $$ = '~'; }
	| '!'				{ $$ = '!'; }
	;

cast_expression
	: unary_expression
	| '(' type_name ')' cast_expression
					{ $$ = node2(N_CAST, $2, $4); }
	;

multiplicative_expression
	: cast_expression
	| multiplicative_expression '*' cast_expression
					{ $$ = node2('*', $1, $3); }
	| multiplicative_expression '/' cast_expression
					{ $$ = node2('/', $1, $3); }
	| multiplicative_expression '%' cast_expression
					{ $$ = node2('%', $1, $3); }
	;

additive_expression
	: multiplicative_expression
	| additive_expression '+' multiplicative_expression
					{ $$ = node2('+', $1, $3); }
	| additive_expression '-' multiplicative_expression
					{ $$ = node2('-', $1, $3); }
	;

shift_expression
	: additive_expression
	| shift_expression LEFT_OP additive_expression
					{ $$ = node2(LEFT_OP, $1, $3); }
	| shift_expression RIGHT_OP additive_expression
					{ $$ = node2(RIGHT_OP, $1, $3); }
	;

relational_expression
	: shift_expression
	| relational_expression '<' shift_expression
					{ $$ = node2('<', $1, $3); }
	| relational_expression '>' shift_expression
					{ $$ = node2('>', $1, $3); }
	| relational_expression LE_OP shift_expression
					{ $$ = node2(LE_OP, $1, $3); }
	| relational_expression GE_OP shift_expression
					{ $$ = node2(GE_OP, $1, $3); }
	;

equality_expression
	: relational_expression
	| equality_expression EQ_OP relational_expression
					{ $$ = node2(EQ_OP, $1, $3); }
	| equality_expression NE_OP relational_expression
					{ $$ = node2(NE_OP, $1, $3); }
	;

and_expression
	: equality_expression
	| and_expression '&' equality_expression
					{ $$ = node2('&', $1, $3); }
	;

exclusive_or_expression
	: and_expression
	| exclusive_or_expression '^' and_expression
					{ $$ = node2('^', $1, $3); }
	;

inclusive_or_expression
	: exclusive_or_expression
	| inclusive_or_expression '|' exclusive_or_expression
					{ $$ = node2('|', $1, $3); }
	;

logical_and_expression
	: inclusive_or_expression
	| logical_and_expression AND_OP inclusive_or_expression
					{ $$ = node2(AND_OP, $1, $3); }
	;

logical_or_expression
	: logical_and_expression
	| logical_or_expression OR_OP logical_and_expression
					{ $$ = node2(OR_OP, $1, $3); }
	;

conditional_expression
	: logical_or_expression
	| logical_or_expression '?' expression ':' conditional_expression
					{ $$ = node3(N_COND, $1, $3, $5); }
	;

assignment_expression
	: conditional_expression
	| unary_expression assignment_operator assignment_expression
					{ $$ = node3(N_ASSIGN, $1, leaf($2, 0), $3); }
	;

assignment_operator
	: '='				{ $$ = '='; }
	| MUL_ASSIGN			{ $$ = MUL_ASSIGN; }
	| DIV_ASSIGN			{ $$ = DIV_ASSIGN; }
	| MOD_ASSIGN			{ $$ = MOD_ASSIGN; }
	| ADD_ASSIGN			{ $$ = ADD_ASSIGN; }
	| SUB_ASSIGN			{ $$ = SUB_ASSIGN; }
	| LEFT_ASSIGN			{ $$ = LEFT_ASSIGN; }
	| RIGHT_ASSIGN			{ $$ = RIGHT_ASSIGN; }
	| AND_ASSIGN			{ $$ = AND_ASSIGN; }
	| XOR_ASSIGN			{ $$ = XOR_ASSIGN; }
	| OR_ASSIGN			{ $$ = OR_ASSIGN; }
	;

expression
	: assignment_expression
	| expression ',' assignment_expression
					{ $$ = node2(N_COMMA, $1, $3); }
	;

constant_expression
	: conditional_expression
	;

declaration
	: declaration_specifiers ';'	{ $$ = 0; }
	| declaration_specifiers init_declarator_list ';'
					{ $$ = $2; }
	;

declaration_specifiers
	: storage_class_specifier	{ $$ = 1; }
	| storage_class_specifier declaration_specifiers
					{ $$ = $2 + 1; }
	| type_specifier		{ $$ = 1; }
	| type_specifier declaration_specifiers
					{ $$ = $2 + 1; }
	| type_qualifier		{ $$ = 1; }
	| type_qualifier declaration_specifiers
					{ $$ = $2 + 1; }
	;

init_declarator_list
	: init_declarator		{ $$ = 1; }
	| init_declarator_list ',' init_declarator
					{ $$ = $1 + 1; }
	;

init_declarator
	: declarator
	| declarator '=' initializer
	;

storage_class_specifier
	: TYPEDEF
	| EXTERN
	| STATIC
	| AUTO
	| REGISTER
	;

type_specifier
	: VOID
	| CHAR
	| SHORT
	| INT
	| LONG
	| FLOAT
	| DOUBLE
	| SIGNED
	| UNSIGNED
	| struct_or_union_specifier
	| enum_specifier
	| TYPE_NAME
	;

struct_or_union_specifier
	: struct_or_union IDENTIFIER '{' struct_declaration_list '}'
	| struct_or_union '{' struct_declaration_list '}'
	| struct_or_union IDENTIFIER
	;

struct_or_union
	: STRUCT
	| UNION
	;

struct_declaration_list
	: struct_declaration		{ $$ = 1; }
	| struct_declaration_list struct_declaration
					{ $$ = $1 + 1; }
	;

struct_declaration
	: specifier_qualifier_list struct_declarator_list ';'
					{ $$ = $2; }
	;

specifier_qualifier_list
	: type_specifier specifier_qualifier_list
					{ $$ = $2 + 1; }
	| type_specifier		{ $$ = 1; }
	| type_qualifier specifier_qualifier_list
					{ $$ = $2 + 1; }
	| type_qualifier		{ $$ = 1; }
	;

struct_declarator_list
	: struct_declarator		{ $$ = 1; }
	| struct_declarator_list ',' struct_declarator
					{ $$ = $1 + 1; }
	;

struct_declarator
	: declarator
	| ':' constant_expression	{ $$ = 0; }
	| declarator ':' constant_expression
	;

enum_specifier
	: ENUM '{' enumerator_list '}'
	| ENUM IDENTIFIER '{' enumerator_list '}'
	| ENUM IDENTIFIER
	;

enumerator_list
	: enumerator			{ $$ = 1; }
	| enumerator_list ',' enumerator
					{ $$ = $1 + 1; }
	;

enumerator
	: IDENTIFIER
	| IDENTIFIER '=' constant_expression
	;

type_qualifier
	: CONST
	| VOLATILE
	;

declarator
	: pointer direct_declarator	{ $$ = $2; }
	| direct_declarator
	;

direct_declarator
	: IDENTIFIER
	| '(' declarator ')'		{ $$ = $2; }
	| direct_declarator '[' constant_expression ']'
	| direct_declarator '[' ']'
	| direct_declarator '(' parameter_type_list ')'
	| direct_declarator '(' identifier_list ')'
	| direct_declarator '(' ')'
	;

pointer
	: '*'				{ $$ = 1; }
	| '*' type_qualifier_list	{ $$ = 1; }
	| '*' pointer			{ $$ = $2 + 1; }
	| '*' type_qualifier_list pointer
					{ $$ = $3 + 1; }
	;

type_qualifier_list
	: type_qualifier		{ $$ = 1; }
	| type_qualifier_list type_qualifier
					{ $$ = $1 + 1; }
	;

parameter_type_list
	: parameter_list
	| parameter_list ',' ELLIPSIS	{ $$ = $1 + 1; }
	;

parameter_list
	: parameter_declaration		{ $$ = 1; }
	| parameter_list ',' parameter_declaration
					{ $$ = $1 + 1; }
	;

parameter_declaration
	: declaration_specifiers declarator
	| declaration_specifiers abstract_declarator
					{ $$ = $1 + $2; }
	| declaration_specifiers
	;

identifier_list
	: IDENTIFIER			{ $$ = 1; }
	| identifier_list ',' IDENTIFIER
					{ $$ = $1 + 1; }
	;

type_name
	: specifier_qualifier_list	{ $$ = leaf(N_TYPE, 0); }
	| specifier_qualifier_list abstract_declarator
					{ $$ = leaf(N_TYPE, 0); }
	;

abstract_declarator
	: pointer
	| direct_abstract_declarator	{ $$ = 0; }
	| pointer direct_abstract_declarator
	;

direct_abstract_declarator
	: '(' abstract_declarator ')'
	| '[' ']'
	| '[' constant_expression ']'
	| direct_abstract_declarator '[' ']'
	| direct_abstract_declarator '[' constant_expression ']'
	| '(' ')'
	| '(' parameter_type_list ')'
	| direct_abstract_declarator '(' ')'
	| direct_abstract_declarator '(' parameter_type_list ')'
	;

initializer
	: assignment_expression
	| '{' initializer_list '}'	{ $$ = $2; }
	| '{' initializer_list ',' '}'	{ $$ = $2; }
	;

initializer_list
	: initializer
	| initializer_list ',' initializer
					{ $$ = append($1, $3); }
	;

statement
	: labeled_statement
	| compound_statement
	| expression_statement
	| selection_statement
	| iteration_statement
	| jump_statement
	;

labeled_statement
	: IDENTIFIER ':' statement	{ $$ = node2(N_LABEL, leaf(N_IDENT, $1), $3); }
	| CASE constant_expression ':' statement
					{ $$ = node2(N_CASE, $2, $4); }
	| DEFAULT ':' statement		{ $$ = node1(N_DEFAULT, $3); }
	;

compound_statement
	: '{' '}'			{ $$ = node1(N_BLOCK, 0); }
	| '{' statement_list '}'	{ $$ = node1(N_BLOCK, $2); }
	| '{' declaration_list '}'	{ $$ = node1(N_BLOCK, 0); }
	| '{' declaration_list statement_list '}'
					{ $$ = node1(N_BLOCK, $3); }
	;

declaration_list
	: declaration			{ $$ = 1; }
	| declaration_list declaration	{ $$ = $1 + 1; }
	;

statement_list
	: statement
	| statement_list statement	{ $$ = append($1, $2); }
	;

expression_statement
	: ';'				{ $$ = node1(N_EXPR, 0); }
	| expression ';'		{ $$ = node1(N_EXPR, $1); }
	;

selection_statement
	: IF '(' expression ')' statement
					{ $$ = node3(N_IF, $3, $5, 0); }
	| IF '(' expression ')' statement ELSE statement
					{ $$ = node3(N_IF, $3, $5, $7); }
	| SWITCH '(' expression ')' statement
					{ $$ = node2(N_SWITCH, $3, $5); }
	;

iteration_statement
	: WHILE '(' expression ')' { ++loop_depth; } statement
					{ --loop_depth; $$ = node2(N_WHILE, $3, $6); }
	| DO { ++loop_depth; } statement WHILE '(' expression ')' ';'
					{ --loop_depth; $$ = node2(N_DO, $3, $6); }
	| FOR '(' expression_statement expression_statement ')' statement
					{ $$ = node3(N_FOR, $3, $4, $6); }
	| FOR '(' expression_statement expression_statement expression ')' statement
					{ $$ = node3(N_FOR, $3, $4, append($5, $7)); }
	;

jump_statement
	: GOTO IDENTIFIER ';'		{ $$ = node1(N_GOTO, leaf(N_IDENT, $2)); }
	| CONTINUE ';'			{ $$ = leaf(N_CONTINUE, 0); }
	| BREAK ';'			{ $$ = leaf(N_BREAK, 0); }
	| RETURN ';'			{ $$ = node1(N_RETURN, 0); }
	| RETURN expression ';'		{ $$ = node1(N_RETURN, $2); }
	;

translation_unit
	: external_declaration		{ $$ = external_count = 1; }
	| translation_unit external_declaration
					{ $$ = external_count = $1 + 1; }
	;

external_declaration
	: function_definition		{ last_function = $1; }
	| declaration			{ declarator_count += $1; }
	;

function_definition
	: declaration_specifiers declarator declaration_list compound_statement
					{ $$ = end_function(begin_function($2, $1), $3, $4); }
	| declaration_specifiers declarator { $<tree>$ = begin_function($2, $1); } compound_statement
					{ $$ = end_function($<tree>3, 0, $4); }
	| declarator declaration_list compound_statement
					{ $$ = end_function(begin_function($1, 0), $2, $3); }
	| declarator { $<tree>$ = begin_function($1, 0); } compound_statement
					{ $$ = end_function($<tree>2, 0, $3); }
	;

%%

static struct node *leaf(int kind, const char *text)
{
	struct node *made = calloc(1, sizeof *made);
	if (made == 0) {
		yyerror("out of memory");
		exit(2);
	}
	made->kind = kind;
	made->text = text;
	return made;
}

static struct node *node3(int kind, struct node *a, struct node *b, struct node *c)
{
	struct node *made = leaf(kind, 0);
	made->child[0] = a;
	made->child[1] = b;
	made->child[2] = c;
	return made;
}

static struct node *append(struct node *list, struct node *item)
{
	struct node *last = list;
	if (list == 0)
		return item;
	while (last->next != 0)
		last = last->next;
	last->next = item;
	return list;
}

static struct node *begin_function(const char *name, int specifiers)
{
	struct node *function = leaf(N_FUNCTION, name);
	function->child[0] = leaf(N_TYPE, specifiers > 0 ? "declared" : "int");
	return function;
}

static struct node *end_function(struct node *function, int declarations, struct node *body)
{
	function->child[1] = declarations > 0 ? leaf(N_CONST, "old-style") : 0;
	function->child[2] = body;
	return function;
}

void yyerror(const char *message)
{
	fprintf(stderr, "%s\n", message);
}

int main(void)
{
	if (yyparse() != 0)
		return 1;
	printf("%d external declarations, %d declarators", external_count, declarator_count);
	if (last_function != 0)
		printf(", last function %s", last_function->text);
	printf("\n");
	return 0;
}
