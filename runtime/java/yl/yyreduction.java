package yl;

/** What reducing by a rule does: the nonterminal, how many values it pops and its action (-1 for none). */
public final class yyreduction {
	public final int nonterm;
	public final int length;
	public final int action;

	public yyreduction(int nonterm, int length, int action) {
		this.nonterm = nonterm;
		this.length = length;
		this.action = action;
	}
}
