%name Sum
{
	private int count;
}
{
	count = 0;
}

%union {
	public int value;
}

%token <value> NUM
%type <value> sum
%left '+'

%%

~ <value> : { $$ = 0; }

sum : sum '+' sum	{ $$ = $1 + $3; count++; }
	| NUM
	| error		{ $$ = 0; }
	;

%%
