package yl;

/** A scanner state's row: its default state (negated: a default transition's target), its base and its match. */
public final class yystate {
	public final int def;
	public final int base;
	public final int match;

	public yystate(int def, int base, int match) {
		this.def = def;
		this.base = base;
		this.match = match;
	}
}
