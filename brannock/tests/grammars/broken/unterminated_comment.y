%token NUMBER
/* the comment that never ends
%%
expr : NUMBER ;
