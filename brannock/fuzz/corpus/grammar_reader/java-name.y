%name P
%union { int v; }
%token <v> A
%%
s : A { $$ = $1; } ;
%%
}
