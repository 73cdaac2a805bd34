%{
// Tally in Java: the language of tally.y, whole numbers, names, strings,
// and recovery from statements that do not parse. Its tokens come from the
// Lindle scanner of TallyLexer.l, which hands names and strings over as
// text.
import java.util.HashMap;
import java.util.Map;
%}

%name Tally
{
	private final Map<String, Long> values = new HashMap<String, Long>();

	private int line() {
		return yylexerref.yylineno;
	}

	private long get(String name) {
		Long value = values.get(name);
		if (value == null) {
			System.out.println("line " + line() + ": " + name + " is not set");
			return 0;
		}
		return value;
	}

	private long divide(long a, long b) {
		if (b == 0) {
			System.out.println("line " + line() + ": division by zero");
			return 0;
		}
		return a / b;
	}

	// A syntax error names the line of the token that showed it.
	public void yysyntaxerror() {
		System.out.println("line " + line() + ": syntax error");
	}
}

%union {
	public long number;
	public String text;
}

%token <number> NUMBER
%token <text> NAME STRING
%token PRINT
%type <number> expr

%left '+' '-'
%left '*' '/'
%right UMINUS

%%

program : /* empty */
	| program statement
	;

statement : NAME '=' expr ';'	{ values.put($1, $3); }
	| PRINT items ';'	{ System.out.println(); }
	| ';'
	| error ';'		{ yyerrok(); }
	;

items : item
	| items ',' item
	;

item : expr			{ System.out.print($1); }
	| STRING		{ System.out.print($1); }
	;

expr : expr '+' expr		{ $$ = $1 + $3; }
	| expr '-' expr		{ $$ = $1 - $3; }
	| expr '*' expr		{ $$ = $1 * $3; }
	| expr '/' expr		{ $$ = divide($1, $3); }
	| '-' expr %prec UMINUS	{ $$ = -$2; }
	| '(' expr ')'		{ $$ = $2; }
	| NUMBER
	| NAME			{ $$ = get($1); }
	;

%%

	public static void main(String args[]) {
		Tally parser = new Tally();
		// The parser reads its tokens from the scanner, whose actions fill
		// their values.
		parser.yycreate(new TallyLexer());
		int result = parser.yyparse();
		System.out.flush();
		System.exit(result);
	}
}
