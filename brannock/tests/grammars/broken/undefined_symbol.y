%token NUMBER
%%
expr : NUMBER
	| expr '+' term
	;
