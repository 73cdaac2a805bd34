package yl;

/**
 * The fast tables of a parser or a scanner class, built once and shared by its instances: a generated parser
 * fills the parser's fields, a generated scanner the scanner's.
 */
public class yyftables extends yyparsertables {
	public yytokenaction yytokenaction[];
	public yystateaction yystateaction[];
	public yynontermgoto yynontermgoto[];
	public yystategoto yystategoto[];
	public yytokendest yytokendestref[];
	public int yytokendestbaseref[];

	// A scanner's.
	public short yymatch[];
	public boolean yybackup[];
	public yystate yystate[];
	public yytransition yytransition[];
}
