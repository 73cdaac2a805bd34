package yl;

/**
 * The compact tables of a parser or a scanner class, built once and shared by its instances: a generated parser
 * fills the parser's fields, a generated scanner the scanner's.
 */
public class yyctables extends yyparsertables {
	public yyctokenaction yyctokenaction[];
	public short yycstateaction[];
	public yycnontermgoto yycnontermgoto[];
	public short yycstategoto[];
	public yyctokendest yyctokendestref[];

	// A scanner's.
	public short yymatch[];
	public boolean yybackup[];
	public yystate yystate[];
	public yyctransition yyctransition[];
}
