package yl;

/** A state's entry in the fast goto tables: where its gotos start and its default goto state (-1 for none). */
public final class yystategoto {
	public final int base;
	public final int def;

	public yystategoto(int base, int def) {
		this.base = base;
		this.def = def;
	}
}
