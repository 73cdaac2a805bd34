%union {
	int number;
}
%token <> NUMBER
%%
expr : NUMBER ;
