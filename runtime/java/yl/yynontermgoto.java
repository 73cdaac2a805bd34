package yl;

/** A packed goto: the owning state (-1 for a filler) and the target (-1 for an error goto). */
public final class yynontermgoto {
	public final int check;
	public final int next;

	public yynontermgoto(int check, int next) {
		this.check = check;
		this.next = next;
	}
}
