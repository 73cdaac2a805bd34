%{
// A desk calculator in Java: one expression per line, printed when the
// line ends. Its tokens come from the Lindle scanner of CalcLexer.l.
%}

%name Calc
{
	// What C's printf("%g\n") prints.
	private static String format(double value) {
		if (Double.isInfinite(value)) {
			return value > 0 ? "inf" : "-inf";
		}
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

	public static void main(String args[]) {
		Calc parser = new Calc();
		// The parser reads its tokens from the scanner, whose actions fill
		// their values.
		parser.yycreate(new CalcLexer());
		System.exit(parser.yyparse());
	}
}
