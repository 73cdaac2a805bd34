%union {
	int number;
}
%union {
	double real;
}
%token <number> NUMBER
%type <number> expr
%%
expr : NUMBER ;
