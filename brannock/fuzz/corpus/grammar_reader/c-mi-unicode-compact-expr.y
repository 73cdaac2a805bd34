,/*
 * An expression calculator whose ambiguous expression rules are settled
 * by precedence and associativity declarations alone: assignment binds
 * loosest and to the right, comparisons do not associate, '^' is right
 * associative, and unary minus takes its level through %prec.
 *
 * Conflicts, as the peer tools count them:
 *   bison -y : none
 *   byacc    : none
 * Rules: 25.
 */

%{
#include <math.h>
#include <stdio.h>

static double variables[26];

int yylex(void);
void yyerror(const char *message);
%}

%union {
	double value;
	int index;
}

%token <value> NUMBER
%token <index> VARIABLE
%token EQ NE LE GE

%type <value> expr

%right '='
%left OR
%left AND
%nonassoc EQ NE '<' '>' LE GE
%left '+' '-'
%left '*' '/' '%'
%right UMINUS '!'
%right '^'

%start session

%%

session
	: /* empty */
	| session line
	;

line
	: '\n'
	| expr '\n'			{ printf("%g\n", $1); }
	| error '\n'			{ yyerrok; }
	;

expr
	: NUMBER
	| VARIABLE			{ $$ = variables[$1]; }
	| VARIABLE '=' expr		{ $$ = variables[$1] = $3; }
	| expr OR expr			{ $$ = $1 != 0 || $3 != 0; }
	| expr AND expr			{ $$ = $1 != 0 && $3 != 0; }
	| expr EQ expr			{ $$ = $1 == $3; }
	| expr NE expr			{ $$ = $1 != $3; }
	| expr '<' expr			{ $$ = $1 < $3; }
	| expr '>' expr			{ $$ = $1 > $3; }
	| expr LE expr			{ $$ = $1 <= $3; }
	| expr GE expr			{ $$ = $1 >= $3; }
	| expr '+' expr			{ $$ = $1 + $3; }
	| expr '-' expr			{ $$ = $1 - $3; }
	| expr '*' expr			{ $$ = $1 * $3; }
	| expr '/' expr			{ $$ = $1 / $3; }
	| expr '%' expr			{ $$ = fmod($1, $3); }
	| expr '^' expr			{ $$ = pow($1, $3); }
	| '-' expr %prec UMINUS		{ $$ = -$2; }
	| '!' expr			{ $$ = $2 == 0; }
	| '(' expr ')'			{ $$ = $2; }
	;

%%

/* Numbers, single-letter variables and the two-character comparisons; anything else stands for itself. */
int yylex(void)
{
	int c;
	while ((c = getchar()) == ' ' || c == '\t')
		;
	if (c == EOF)
		return 0;
	if (c == '.' || (c >= '0' && c <= '9')) {
		ungetc(c, stdin);
		if (scanf("%lf", &yylval.value) != 1)
			return 0;
		return NUMBER;
	}
	if (c >= 'a' && c <= 'z') {
		yylval.index = c - 'a';
		return VARIABLE;
	}
	if (c == '=' || c == '!' || c == '<' || c == '>') {
		int next = getchar();
		if (next == '=')
			return c == '=' ? EQ : c == '!' ? NE : c == '<' ? LE : GE;
		ungetc(next, stdin);
	}
	if (c == '|' || c == '&') {
		int next = getchar();
		if (next == c)
			return c == '|' ? OR : AND;
		ungetc(next, stdin);
	}
	return c;
}

void yyerror(const char *message)
{
	fprintf(stderr, "%s\n", message);
}

int main(void)
{
	return yyparse();
}
