package yl;

/** A row of the debugging symbol table: a token's name and number. */
public final class yysymbol {
	public final String name;
	public final int token;

	public yysymbol(String name, int token) {
		this.name = name;
		this.token = token;
	}
}
