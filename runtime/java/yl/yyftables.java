package yl;

/** The fast tables of a parser class, built once and shared by its instances. */
public class yyftables extends yyparsertables {
	public yytokenaction yytokenaction[];
	public yystateaction yystateaction[];
	public yynontermgoto yynontermgoto[];
	public yystategoto yystategoto[];
	public yytokendest yytokendestref[];
	public int yytokendestbaseref[];
}
