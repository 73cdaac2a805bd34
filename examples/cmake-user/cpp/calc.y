%{
// A desk calculator as a C++ parser class: one expression per line,
// printed when the line ends. Its tokens come from scan.l.
#include <stdio.h>
%}

%name calc
{
	// the token source: the scanner's yylex()
	virtual int yygettoken();
}

%union {
	double value;
}

%include {
// Where the scanner leaves the value of a NUMBER.
extern YYSTYPE yylval;
extern "C" int yylex(void);
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

YYSTYPE yylval;

int calc::yygettoken()
{
	int token = yylex();
	*(YYSTYPE *) yylvalptr = yylval;
	return token;
}

int main()
{
	calc parser;
	if (!parser.yycreate())
		return 1;
	return parser.yyparse();
}
