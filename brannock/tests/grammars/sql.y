/*
 * An SQL subset: SELECT with DISTINCT, select lists and aliases, joins,
 * WHERE, GROUP BY with HAVING, ORDER BY with directions, LIMIT, set
 * operations and subqueries in FROM, IN and EXISTS; INSERT with column
 * lists, VALUES rows or a query; UPDATE with assignments; DELETE; and
 * scalar expressions with the logical, comparison, arithmetic and
 * concatenation operators, IS NULL, BETWEEN, LIKE, function calls and
 * CASE. Keywords are tokens of their own; one statement ends with ';'.
 * One reduce-reduce conflict is the language's own: in ((SELECT ...)) the
 * inner pair may make a parenthesised query or a subquery expression; the
 * query reading, written first, wins.
 *
 * As the peer tools count them (states, shift/reduce, reduce/reduce):
 *   bison -y                : 242 states, 0 shift/reduce, 1 reduce/reduce
 *   byacc                   : 241 states, 0 shift/reduce, 1 reduce/reduce
 *   bison -y, canonical LR  : 2305 states, 0 shift/reduce, 2 reduce/reduce
 * Rules: 127.
 */

%{
int yylex(void);
void yyerror(const char *message);
%}

%token IDENTIFIER STRING_LITERAL INTEGER_LITERAL
%token SELECT DISTINCT ALL FROM WHERE GROUP BY HAVING ORDER ASC DESC LIMIT OFFSET
%token UNION INTERSECT EXCEPT AS ON JOIN INNER LEFT RIGHT OUTER CROSS
%token INSERT INTO VALUES UPDATE SET DELETE DEFAULT
%token AND OR NOT IS NULL_ TRUE_ FALSE_ IN EXISTS BETWEEN LIKE
%token CASE WHEN THEN ELSE END
%token NE LE GE CONCAT

%left UNION EXCEPT
%left INTERSECT
%left OR
%left AND
%right NOT
%nonassoc IS
%nonassoc '=' NE '<' '>' LE GE LIKE BETWEEN IN
%left CONCAT
%left '+' '-'
%left '*' '/' '%'
%right UMINUS

%start script

%%

script
	: statement ';'
	| script statement ';'
	;

statement
	: query_expression order_by_clause limit_clause
	| insert_statement
	| update_statement
	| delete_statement
	;

/* Queries */

query_expression
	: query_term
	| query_expression UNION set_quantifier query_term
	| query_expression EXCEPT set_quantifier query_term
	;

query_term
	: query_specification
	| query_term INTERSECT set_quantifier query_specification
	| '(' query_expression ')'
	;

set_quantifier
	: /* empty */
	| ALL
	| DISTINCT
	;

query_specification
	: SELECT set_quantifier select_list from_clause where_clause group_by_clause
	;

select_list
	: '*'
	| select_items
	;

select_items
	: select_item
	| select_items ',' select_item
	;

select_item
	: expression
	| expression AS IDENTIFIER
	| expression IDENTIFIER
	| IDENTIFIER '.' '*'
	;

from_clause
	: /* empty */
	| FROM table_references
	;

table_references
	: table_reference
	| table_references ',' table_reference
	;

table_reference
	: table_primary
	| table_reference join_type JOIN table_primary ON expression
	| table_reference CROSS JOIN table_primary
	;

table_primary
	: table_name correlation
	| '(' query_expression ')' correlation
	;

table_name
	: IDENTIFIER
	| IDENTIFIER '.' IDENTIFIER
	;

correlation
	: /* empty */
	| IDENTIFIER
	| AS IDENTIFIER
	;

join_type
	: /* empty */
	| INNER
	| LEFT outer
	| RIGHT outer
	;

outer
	: /* empty */
	| OUTER
	;

where_clause
	: /* empty */
	| WHERE expression
	;

group_by_clause
	: /* empty */
	| GROUP BY expression_list having_clause
	;

having_clause
	: /* empty */
	| HAVING expression
	;

order_by_clause
	: /* empty */
	| ORDER BY sort_items
	;

sort_items
	: sort_item
	| sort_items ',' sort_item
	;

sort_item
	: expression direction
	;

direction
	: /* empty */
	| ASC
	| DESC
	;

limit_clause
	: /* empty */
	| LIMIT INTEGER_LITERAL
	| LIMIT INTEGER_LITERAL OFFSET INTEGER_LITERAL
	;

/* Changes */

insert_statement
	: INSERT INTO table_name column_list insert_source
	;

column_list
	: /* empty */
	| '(' column_names ')'
	;

column_names
	: IDENTIFIER
	| column_names ',' IDENTIFIER
	;

insert_source
	: VALUES rows
	| query_specification
	| DEFAULT VALUES
	;

rows
	: row
	| rows ',' row
	;

row
	: '(' row_values ')'
	;

row_values
	: row_value
	| row_values ',' row_value
	;

row_value
	: expression
	| DEFAULT
	;

update_statement
	: UPDATE table_name SET assignments where_clause
	;

assignments
	: assignment
	| assignments ',' assignment
	;

assignment
	: IDENTIFIER '=' row_value
	;

delete_statement
	: DELETE FROM table_name where_clause
	;

/* Expressions */

expression
	: expression OR expression
	| expression AND expression
	| NOT expression
	| predicate
	;

predicate
	: predicate '=' predicate
	| predicate NE predicate
	| predicate '<' predicate
	| predicate '>' predicate
	| predicate LE predicate
	| predicate GE predicate
	| predicate IS NULL_
	| predicate IS NOT NULL_
	| predicate LIKE predicate
	| predicate BETWEEN predicate AND predicate %prec BETWEEN
	| predicate IN '(' expression_list ')'
	| predicate IN '(' query_expression ')'
	| predicate CONCAT predicate
	| predicate '+' predicate
	| predicate '-' predicate
	| predicate '*' predicate
	| predicate '/' predicate
	| predicate '%' predicate
	| '-' predicate %prec UMINUS
	| primary
	;

primary
	: column_reference
	| INTEGER_LITERAL
	| STRING_LITERAL
	| NULL_
	| TRUE_
	| FALSE_
	| IDENTIFIER '(' ')'
	| IDENTIFIER '(' '*' ')'
	| IDENTIFIER '(' set_quantifier expression_list ')'
	| '(' expression ')'
	| '(' query_expression ')'
	| EXISTS '(' query_expression ')'
	| CASE when_clauses else_clause END
	| CASE expression when_clauses else_clause END
	;

column_reference
	: IDENTIFIER
	| IDENTIFIER '.' IDENTIFIER
	;

when_clauses
	: WHEN expression THEN expression
	| when_clauses WHEN expression THEN expression
	;

else_clause
	: /* empty */
	| ELSE expression
	;

expression_list
	: expression
	| expression_list ',' expression
	;

%%
