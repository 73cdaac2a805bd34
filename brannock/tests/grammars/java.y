/*
 * A Java subset: a compilation unit with package and import declarations;
 * classes and interfaces with modifiers, extends and implements; fields,
 * methods, constructors and initialiser blocks; the statements (blocks,
 * local variables, if, while, do, for, switch, break, continue, return,
 * throw, try with catch and finally, labels); and the expressions from
 * assignment down to primaries: the conditional, logical, bitwise,
 * equality, relational with instanceof, shift, additive, multiplicative
 * and unary levels, casts to primitive types, object and array creation,
 * field access, method calls and array access. A name before another
 * identifier is a type, which one lookahead token decides, so that local
 * variable declarations and expression statements can share their start.
 * The one conflict is the dangling else, settled by shifting.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 380 states, 1 shift/reduce, 0 reduce/reduce
 *   byacc                   : 379 states, 1 shift/reduce, 0 reduce/reduce
 *   bison -y, canonical LR  : 2384 states, 3 shift/reduce, 0 reduce/reduce
 * Rules: 214.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token IDENTIFIER LITERAL
%token PACKAGE IMPORT CLASS INTERFACE EXTENDS IMPLEMENTS
%token PUBLIC PROTECTED PRIVATE STATIC ABSTRACT FINAL NATIVE SYNCHRONIZED TRANSIENT VOLATILE
%token VOID BOOLEAN BYTE SHORT INT LONG CHAR FLOAT DOUBLE
%token IF ELSE WHILE DO FOR SWITCH CASE DEFAULT BREAK CONTINUE RETURN THROW THROWS
%token TRY CATCH FINALLY NEW THIS SUPER INSTANCEOF NULL_LITERAL
%token OR_OR AND_AND EQ NE LE GE SHL SHR USHR INC DEC
%token ASSIGN_OP

%%

/* Compilation units */

compilation_unit
	: package_declaration import_declarations type_declarations
	;

package_declaration
	: /* empty */
	| PACKAGE name ';'
	;

import_declarations
	: /* empty */
	| import_declarations import_declaration
	;

import_declaration
	: IMPORT name ';'
	| IMPORT name '.' '*' ';'
	;

type_declarations
	: /* empty */
	| type_declarations type_declaration
	;

type_declaration
	: class_declaration
	| interface_declaration
	| ';'
	;

/* Names and types */

name
	: IDENTIFIER
	| name '.' IDENTIFIER
	;

type
	: primitive_type
	| primitive_type dims
	| name
	| name dims
	;

primitive_type
	: BOOLEAN
	| BYTE
	| SHORT
	| INT
	| LONG
	| CHAR
	| FLOAT
	| DOUBLE
	;

dims
	: '[' ']'
	| dims '[' ']'
	;

name_list
	: name
	| name_list ',' name
	;

/* Classes and interfaces */

modifiers
	: /* empty */
	| modifiers modifier
	;

modifier
	: PUBLIC
	| PROTECTED
	| PRIVATE
	| STATIC
	| ABSTRACT
	| FINAL
	| NATIVE
	| SYNCHRONIZED
	| TRANSIENT
	| VOLATILE
	;

class_declaration
	: modifiers CLASS IDENTIFIER super_class interfaces class_body
	;

super_class
	: /* empty */
	| EXTENDS name
	;

interfaces
	: /* empty */
	| IMPLEMENTS name_list
	;

interface_declaration
	: modifiers INTERFACE IDENTIFIER extends_interfaces class_body
	;

extends_interfaces
	: /* empty */
	| EXTENDS name_list
	;

class_body
	: '{' members '}'
	;

members
	: /* empty */
	| members member
	;

member
	: modifiers type variable_declarators ';'
	| modifiers type IDENTIFIER '(' parameters ')' throws method_body
	| modifiers VOID IDENTIFIER '(' parameters ')' throws method_body
	| modifiers IDENTIFIER '(' parameters ')' throws block
	| modifiers block
	| ';'
	;

parameters
	: /* empty */
	| parameter_list
	;

parameter_list
	: parameter
	| parameter_list ',' parameter
	;

parameter
	: type IDENTIFIER
	| FINAL type IDENTIFIER
	;

throws
	: /* empty */
	| THROWS name_list
	;

method_body
	: block
	| ';'
	;

variable_declarators
	: variable_declarator
	| variable_declarators ',' variable_declarator
	;

variable_declarator
	: IDENTIFIER
	| IDENTIFIER '=' variable_initializer
	;

variable_initializer
	: expression
	| array_initializer
	;

array_initializer
	: '{' '}'
	| '{' variable_initializers '}'
	| '{' variable_initializers ',' '}'
	;

variable_initializers
	: variable_initializer
	| variable_initializers ',' variable_initializer
	;

/* Statements */

block
	: '{' block_statements '}'
	;

block_statements
	: /* empty */
	| block_statements block_statement
	;

block_statement
	: local_variable_declaration ';'
	| statement
	;

local_variable_declaration
	: type variable_declarators
	| FINAL type variable_declarators
	;

statement
	: block
	| ';'
	| statement_expression ';'
	| IDENTIFIER ':' statement
	| IF '(' expression ')' statement
	| IF '(' expression ')' statement ELSE statement
	| WHILE '(' expression ')' statement
	| DO statement WHILE '(' expression ')' ';'
	| FOR '(' for_init ';' optional_expression ';' for_update ')' statement
	| SWITCH '(' expression ')' '{' switch_groups '}'
	| BREAK optional_label ';'
	| CONTINUE optional_label ';'
	| RETURN optional_expression ';'
	| THROW expression ';'
	| TRY block catches
	| TRY block catches FINALLY block
	| TRY block FINALLY block
	;

optional_label
	: /* empty */
	| IDENTIFIER
	;

optional_expression
	: /* empty */
	| expression
	;

for_init
	: /* empty */
	| statement_expressions
	| local_variable_declaration
	;

for_update
	: /* empty */
	| statement_expressions
	;

statement_expressions
	: statement_expression
	| statement_expressions ',' statement_expression
	;

statement_expression
	: assignment
	| INC unary_expression
	| DEC unary_expression
	| postfix_expression INC
	| postfix_expression DEC
	| method_invocation
	| class_instance_creation
	;

switch_groups
	: /* empty */
	| switch_groups switch_label
	| switch_groups block_statement
	;

switch_label
	: CASE expression ':'
	| DEFAULT ':'
	;

catches
	: catch_clause
	| catches catch_clause
	;

catch_clause
	: CATCH '(' parameter ')' block
	;

/* Expressions */

expression
	: conditional_expression
	| assignment
	;

assignment
	: left_hand_side assignment_operator expression
	;

left_hand_side
	: name
	| field_access
	| array_access
	;

assignment_operator
	: '='
	| ASSIGN_OP
	;

conditional_expression
	: logical_or_expression
	| logical_or_expression '?' expression ':' conditional_expression
	;

logical_or_expression
	: logical_and_expression
	| logical_or_expression OR_OR logical_and_expression
	;

logical_and_expression
	: inclusive_or_expression
	| logical_and_expression AND_AND inclusive_or_expression
	;

inclusive_or_expression
	: exclusive_or_expression
	| inclusive_or_expression '|' exclusive_or_expression
	;

exclusive_or_expression
	: and_expression
	| exclusive_or_expression '^' and_expression
	;

and_expression
	: equality_expression
	| and_expression '&' equality_expression
	;

equality_expression
	: relational_expression
	| equality_expression EQ relational_expression
	| equality_expression NE relational_expression
	;

relational_expression
	: shift_expression
	| relational_expression '<' shift_expression
	| relational_expression '>' shift_expression
	| relational_expression LE shift_expression
	| relational_expression GE shift_expression
	| relational_expression INSTANCEOF type
	;

shift_expression
	: additive_expression
	| shift_expression SHL additive_expression
	| shift_expression SHR additive_expression
	| shift_expression USHR additive_expression
	;

additive_expression
	: multiplicative_expression
	| additive_expression '+' multiplicative_expression
	| additive_expression '-' multiplicative_expression
	;

multiplicative_expression
	: unary_expression
	| multiplicative_expression '*' unary_expression
	| multiplicative_expression '/' unary_expression
	| multiplicative_expression '%' unary_expression
	;

unary_expression
	: INC unary_expression
	| DEC unary_expression
	| '+' unary_expression
	| '-' unary_expression
	| '~' unary_expression
	| '!' unary_expression
	| '(' primitive_type ')' unary_expression
	| '(' primitive_type dims ')' unary_expression
	| postfix_expression
	;

postfix_expression
	: primary
	| name
	| postfix_expression INC
	| postfix_expression DEC
	;

primary
	: primary_no_new_array
	| array_creation
	;

primary_no_new_array
	: LITERAL
	| NULL_LITERAL
	| THIS
	| '(' expression ')'
	| class_instance_creation
	| field_access
	| method_invocation
	| array_access
	;

class_instance_creation
	: NEW name '(' arguments ')'
	| NEW name '(' arguments ')' class_body
	;

arguments
	: /* empty */
	| argument_list
	;

argument_list
	: expression
	| argument_list ',' expression
	;

array_creation
	: NEW primitive_type dim_expressions
	| NEW primitive_type dim_expressions dims
	| NEW name dim_expressions
	| NEW name dim_expressions dims
	| NEW primitive_type dims array_initializer
	| NEW name dims array_initializer
	;

dim_expressions
	: '[' expression ']'
	| dim_expressions '[' expression ']'
	;

field_access
	: primary '.' IDENTIFIER
	| SUPER '.' IDENTIFIER
	;

method_invocation
	: name '(' arguments ')'
	| primary '.' IDENTIFIER '(' arguments ')'
	| SUPER '.' IDENTIFIER '(' arguments ')'
	;

array_access
	: name '[' expression ']'
	| primary_no_new_array '[' expression ']'
	;

%%
