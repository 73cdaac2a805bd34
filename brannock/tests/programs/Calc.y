%{
// A desk calculator whose parser reads its own tokens (the examples take
// them from a Lindle scanner): one expression per line, printed when the
// line ends.
%}

%name Calc
{
	private final java.io.PushbackInputStream in = new java.io.PushbackInputStream(System.in);

	// What C's printf("%g\n") prints.
	private static String format(double value) {
		String text = String.format("%.6g", value);
		int exponent = text.indexOf('e');
		String mantissa = exponent < 0 ? text : text.substring(0, exponent);
		if (mantissa.indexOf('.') >= 0) {
			mantissa = mantissa.replaceAll("0+$", "").replaceAll("\\.$", "");
		}
		return exponent < 0 ? mantissa : mantissa + text.substring(exponent);
	}
}

%union {
	public double value;
}

%token <value> NUMBER
%type <value> expr

%left '+' '-'
%left '*' '/'
%right UMINUS

%%

lines : /* empty */
	| lines line
	;

line : '\n'
	| expr '\n'		{ System.out.println(format($1)); }
	| error '\n'		{ yyerrok(); }
	;

expr : expr '+' expr		{ $$ = $1 + $3; }
	| expr '-' expr		{ $$ = $1 - $3; }
	| expr '*' expr		{ $$ = $1 * $3; }
	| expr '/' expr		{ $$ = $1 / $3; }
	| '-' expr %prec UMINUS	{ $$ = -$2; }
	| '(' expr ')'		{ $$ = $2; }
	| NUMBER
	;

%%

	public int yygettoken() {
		try {
			int c;
			while ((c = in.read()) == ' ' || c == '\t')
				;
			if (c == '.' || (c >= '0' && c <= '9')) {
				StringBuilder number = new StringBuilder();
				while (c == '.' || (c >= '0' && c <= '9')) {
					number.append((char) c);
					c = in.read();
				}
				if (c >= 0)
					in.unread(c);
				((YYSTYPE) yylvalref).value = Double.parseDouble(number.toString());
				return NUMBER;
			}
			return c < 0 ? 0 : c;
		} catch (java.io.IOException e) {
			return 0;
		}
	}

	public static void main(String args[]) {
		Calc parser = new Calc();
		System.exit(parser.yyparse());
	}
}
