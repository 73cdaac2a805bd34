%token NUMBER
%%
expr : NUMBER { $$ = $1;
	| expr '+' NUMBER
	;
