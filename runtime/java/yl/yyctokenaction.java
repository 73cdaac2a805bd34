package yl;

/** A compact token action; a run of them ends with the token YYTK_ALL, which holds the default. */
public final class yyctokenaction {
	public final int token;
	public final int type;
	public final int sr;

	public yyctokenaction(int token, int type, int sr) {
		this.token = token;
		this.type = type;
		this.sr = sr;
	}
}
