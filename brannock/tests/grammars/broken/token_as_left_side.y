%token NUMBER PLUS
%%
expr : NUMBER
	| expr PLUS NUMBER
	;
PLUS : '+' ;
