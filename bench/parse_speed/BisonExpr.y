%language "Java"
%define api.parser.class {BisonExpr}

%code lexer {
	public int yylex() {
		return stream.next(NUMBER);
	}

	public Object getLVal() {
		return null;
	}

	public void yyerror(String message) {
		System.err.println(message);
	}
}

%code {
	static TokenStream stream;

	public static void main(String args[]) throws java.io.IOException {
		stream = TokenStream.load(args[0]);
		BisonExpr parser = new BisonExpr();
		System.out.println(stream.best(() -> {
			try {
				return parser.parse() ? 0 : 1;
			} catch (java.io.IOException e) {
				return 1;
			}
		}));
	}
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
