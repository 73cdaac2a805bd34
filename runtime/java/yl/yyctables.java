package yl;

/** The compact tables of a parser class, built once and shared by its instances. */
public class yyctables extends yyparsertables {
	public yyctokenaction yyctokenaction[];
	public short yycstateaction[];
	public yycnontermgoto yycnontermgoto[];
	public short yycstategoto[];
	public yyctokendest yyctokendestref[];
}
