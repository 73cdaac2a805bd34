package yl;

/** An entry of a scanner's fast transition table: the target state and the state that owns the entry. */
public final class yytransition {
	public final int next;
	public final int check;

	public yytransition(int next, int check) {
		this.next = next;
		this.check = check;
	}
}
