%name ExprParser

%union {
}

%token NUMBER
%left '+' '-'
%left '*' '/'
%right UMINUS

%%

list
	: /* empty */
	| list expr ';'
	;

expr
	: expr '+' expr
	| expr '-' expr
	| expr '*' expr
	| expr '/' expr
	| '-' expr %prec UMINUS
	| '(' expr ')'
	| NUMBER
	;

%%

	private TokenStream stream;

	ExprParser(TokenStream stream) {
		this();
		this.stream = stream;
	}

	public int yygettoken() {
		return stream.next(NUMBER);
	}

	public static void main(String args[]) throws java.io.IOException {
		TokenStream stream = TokenStream.load(args[0]);
		ExprParser parser = new ExprParser(stream);
		System.out.println(stream.best(parser::yyparse));
	}
}
