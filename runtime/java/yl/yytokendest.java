package yl;

/** A packed token destructor: the run that owns it (-1 for a filler) and the action that frees the value. */
public final class yytokendest {
	public final int check;
	public final int action;

	public yytokendest(int check, int action) {
		this.check = check;
		this.action = action;
	}
}
