package yl;

/** What both table holders carry: the debugging tables, the reductions and the destructors. */
public abstract class yyparsertables {
	public yysymbol yysymbol[];
	public String yyrule[];
	public yyreduction yyreduction[];
	public short yydestructorref[];
}
