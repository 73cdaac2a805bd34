package yl;

/** An entry of a scanner's compact transitions: a range of characters and its target (-1 closes a state's list). */
public final class yyctransition {
	public final int first;
	public final int last;
	public final int next;

	public yyctransition(int first, int last, int next) {
		this.first = first;
		this.last = last;
		this.next = next;
	}
}
