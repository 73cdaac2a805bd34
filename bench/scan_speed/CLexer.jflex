/* The C lexer of the scanning benchmark (clexer.l) written for JFlex:
   the same rules in the same order, every token counted and nothing else
   done. */
%%

%class JFlexLexer
%int
%unicode
%xstate COMMENT

D = [0-9]
L = [a-zA-Z_]
H = [a-fA-F0-9]
E = [Ee][+-]?{D}+

%{
	public static void main(String[] args) throws java.io.IOException {
		ScanTiming.run(in -> {
			JFlexLexer lexer = new JFlexLexer(in);
			return lexer::yylex;
		}, YYEOF);
	}
%}

%%

<YYINITIAL> {
"/*"                    { yybegin(COMMENT); }
"auto"                  { return 1; }
"break"                 { return 2; }
"case"                  { return 3; }
"char"                  { return 4; }
"const"                 { return 5; }
"continue"              { return 6; }
"default"               { return 7; }
"do"                    { return 8; }
"double"                { return 9; }
"else"                  { return 10; }
"enum"                  { return 11; }
"extern"                { return 12; }
"float"                 { return 13; }
"for"                   { return 14; }
"goto"                  { return 15; }
"if"                    { return 16; }
"int"                   { return 17; }
"long"                  { return 18; }
"register"              { return 19; }
"return"                { return 20; }
"short"                 { return 21; }
"signed"                { return 22; }
"sizeof"                { return 23; }
"static"                { return 24; }
"struct"                { return 25; }
"switch"                { return 26; }
"typedef"               { return 27; }
"union"                 { return 28; }
"unsigned"              { return 29; }
"void"                  { return 30; }
"volatile"              { return 31; }
"while"                 { return 32; }
{L}({L}|{D})*           { return 33; }
0[xX]{H}+               { return 34; }
{D}+                    { return 35; }
{D}+{E}                 { return 36; }
{D}*"."{D}+({E})?       { return 37; }
{D}+"."{D}*({E})?       { return 38; }
\"(\\.|[^\\\"\n])*\"    { return 39; }
'(\\.|[^\\'\n])+'       { return 40; }
">>="|"<<="|"+="|"-="|"*="|"/="|"%="|"&="|"^="|"|="  { return 41; }
">>"|"<<"|"++"|"--"|"->"|"&&"|"||"|"<="|">="|"=="|"!="  { return 42; }
[-+*/%<>=!&|\^~?:;,.(){}\[\]]  { return 43; }
[ \t\u000B\f\n]+        { }
[^\n]                   { return 44; }
}

<COMMENT> {
"*/"                    { yybegin(YYINITIAL); }
[^*\n]+                 { }
"*"                     { }
\n                      { }
}
