%union {
	int number;
}
%token <number> NUMBER
%type <number> expr
%%
expr : NUMBER
	| expr '+' NUMBER { $$ = $<>1 + $3; }
	;
