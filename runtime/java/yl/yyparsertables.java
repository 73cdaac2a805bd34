package yl;

import java.util.Arrays;

/** What both table holders carry: the debugging tables, the reductions and the destructors. */
public abstract class yyparsertables {
	public yysymbol yysymbol[];
	public String yyrule[];
	public yyreduction yyreduction[];
	public short yydestructorref[];

	// The JVM limits the code of one method to 64 KB, so a generated class builds the tables of a large grammar
	// in several methods, each of which appends its part of a table to the part built before.

	/** The rows of head followed by those of tail. */
	public static <T> T[] yyjoin(T[] head, T[] tail) {
		T[] joined = Arrays.copyOf(head, head.length + tail.length);
		System.arraycopy(tail, 0, joined, head.length, tail.length);
		return joined;
	}

	/** The rows of head followed by those of tail. */
	public static short[] yyjoin(short[] head, short[] tail) {
		short[] joined = Arrays.copyOf(head, head.length + tail.length);
		System.arraycopy(tail, 0, joined, head.length, tail.length);
		return joined;
	}

	/** The rows of head followed by those of tail. */
	public static int[] yyjoin(int[] head, int[] tail) {
		int[] joined = Arrays.copyOf(head, head.length + tail.length);
		System.arraycopy(tail, 0, joined, head.length, tail.length);
		return joined;
	}

	/** The rows of head followed by those of tail. */
	public static boolean[] yyjoin(boolean[] head, boolean[] tail) {
		boolean[] joined = Arrays.copyOf(head, head.length + tail.length);
		System.arraycopy(tail, 0, joined, head.length, tail.length);
		return joined;
	}
}
