package yl;

/** A state's entry in the fast tables: where its tokens start, whether it has any, and its default. */
public final class yystateaction {
	public final int base;
	public final boolean lookahead;
	public final int type;
	public final int sr;

	public yystateaction(int base, boolean lookahead, int type, int sr) {
		this.base = base;
		this.lookahead = lookahead;
		this.type = type;
		this.sr = sr;
	}
}
