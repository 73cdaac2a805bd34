%tokens NUMBER
%%
expr : NUMBER ;
