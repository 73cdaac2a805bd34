%token NUMBER 0x
%%
expr : NUMBER ;
