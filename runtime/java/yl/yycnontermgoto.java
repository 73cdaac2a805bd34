package yl;

/** A compact goto; a run ends with the nonterminal -1, whose target is the default goto state. */
public final class yycnontermgoto {
	public final int nonterm;
	public final int next;

	public yycnontermgoto(int nonterm, int next) {
		this.nonterm = nonterm;
		this.next = next;
	}
}
