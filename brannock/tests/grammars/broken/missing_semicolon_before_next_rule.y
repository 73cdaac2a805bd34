%token NUMBER NAME
%%
list : item
	| list item

item : NUMBER | NAME ;
