package yl;

/** A packed token action: the owning state (-1 for a filler), the kind and the state shifted to or rule reduced. */
public final class yytokenaction {
	public final int check;
	public final int type;
	public final int sr;

	public yytokenaction(int check, int type, int sr) {
		this.check = check;
		this.type = type;
		this.sr = sr;
	}
}
