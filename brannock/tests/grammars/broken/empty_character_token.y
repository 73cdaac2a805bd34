%token NUMBER
%%
expr : NUMBER
	| expr '' NUMBER
	;
