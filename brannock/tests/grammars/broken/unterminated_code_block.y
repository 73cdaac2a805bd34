%{
#include <stdio.h>

%token NUMBER
%%
expr : NUMBER ;
