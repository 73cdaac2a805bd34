%{
#include <stdio.h>
#include <stdlib.h>
%}

%name sumparser

%union {
	int value;
}

%token <value> NUM
%type <value> sum
%left '+'

%%

~ <value> : { $$ = 0; }

sum : sum '+' sum	{ $$ = $1 + $3; }
	| NUM
	| error		{ $$ = 0; }
	;

%%
