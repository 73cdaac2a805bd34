package yl;

/** A compact token destructor; the table ends with the token -1. */
public final class yyctokendest {
	public final int token;
	public final int action;

	public yyctokendest(int token, int action) {
		this.token = token;
		this.action = action;
	}
}
