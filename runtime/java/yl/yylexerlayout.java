package yl;

import java.util.Arrays;
import java.util.HashMap;
import java.util.Map;
import java.util.TreeSet;

/**
 * The tables of a scanner class laid out for the engine, made once per class on first use and shared by its
 * instances: the rows as int arrays, one array access per field; and, where it stays small, the whole transition
 * function as one dense table over classes of characters that every state treats alike, so that the step from
 * one state to the next is two array accesses whatever default states and default transitions the tables use.
 */
final class yylexerlayout {
	/** Longest chain of default states followed in one lookup; the tables never loop. */
	private static final int CHAIN_MAX = 100000;
	/** A dense table is made for at most this many classes and this many entries. */
	private static final int CLASSES_MAX = 1024;
	private static final int ENTRIES_MAX = 1 << 22;

	/** The table the layout was made from, to tell a stale layout from a current one. */
	final yystate source[];
	final int def[];
	final int base[];
	final int match[];
	/**
	 * Per state: the one rule it accepts when it has no other and no trailing context, -1 when it has more, or 0.
	 */
	final int single[];
	/**
	 * The simple way's table, a row of stride ints per state: the state's entry first, then one cell per character
	 * below wide, the target's row (its index times stride) or 0 where the token ends; the characters from wide on
	 * take far(). Indexed by the character itself, a step costs one array access after the character's; a scanner of
	 * many states has no cells (wide 0), so that the table stays small. Every state that a newline leads to has a
	 * twin row, the one newlines lead to, whose entry has NEWLINE set: the token's final row tells yyeol.
	 */
	final int rows[];
	final int stride;
	final int wide;
	/** The state of each row index: itself, or the state a twin stands for. */
	private final int origin[];
	/** The twin's index of each state that a newline leads to. */
	private final int twin[];
	/**
	 * An entry is the rule shifted by one, with LAST, LINES and NEWLINE added; never negative, so that one
	 * comparison tells an accepting state (above 1). The rule's bits all set stand for several rules or trailing
	 * context, which the general way takes.
	 */
	static final int RULE = (1 << 28) - 1;
	/**
	 * Some way to the state from a start state reads a newline: only a token ending there needs its lines counted.
	 */
	static final int LINES = 1 << 29;
	/** The state has no transition left: the token ends there without a look ahead. */
	static final int LAST = 1 << 30;
	/** The state was entered by a newline, so a token ending there ends a line. */
	static final int NEWLINE = 1;
	/** The rows have cells for at most this many entries. */
	private static final int CELLS_MAX = 1 << 21;
	final boolean compact;
	// Fast tables: next and check per entry; compact: first, last and next per entry.
	final int next[];
	final int check[];
	final int first[];
	final int last[];
	/** The class of each character, and the target of each state and class (state * classes + class); null without. */
	final char classes[];
	final int dense[];
	final int classcount;

	private static final ClassValue<yylexerlayout[]> LAYOUTS = new ClassValue<yylexerlayout[]>() {
		@Override
		protected yylexerlayout[] computeValue(Class<?> type) {
			return new yylexerlayout[1];
		}
	};

	/** The layout of the scanner's tables, made on first use by its class. */
	static yylexerlayout of(yylexer lexer) {
		yylexerlayout slot[] = LAYOUTS.get(lexer.getClass());
		synchronized (slot) {
			if (slot[0] == null || slot[0].source != lexer.yystate) {
				slot[0] = new yylexerlayout(lexer);
			}
			return slot[0];
		}
	}

	private yylexerlayout(yylexer lexer) {
		source = lexer.yystate;
		int states = source.length;
		def = new int[states];
		base = new int[states];
		match = new int[states];
		single = new int[states];
		for (int i = 0; i < states; i++) {
			def[i] = source[i].def;
			base[i] = source[i].base;
			match[i] = source[i].match;
			single[i] = match[i] < 0 || (match[i] > 0 && lexer.yybackup[match[i]]) ? -1 : match[i];
		}
		compact = lexer.yytransition == null;
		TreeSet<Integer> bounds = new TreeSet<Integer>();
		bounds.add(0);
		if (compact) {
			yyctransition rows[] = lexer.yyctransition;
			first = new int[rows.length];
			last = new int[rows.length];
			next = new int[rows.length];
			check = null;
			for (int i = 0; i < rows.length; i++) {
				first[i] = rows[i].first;
				last[i] = rows[i].last;
				next[i] = rows[i].next;
				if (next[i] != -1) {
					bounds.add(first[i]);
					bounds.add(last[i] + 1);
				}
			}
		}
		else {
			yytransition rows[] = lexer.yytransition;
			next = new int[rows.length];
			check = new int[rows.length];
			first = null;
			last = null;
			for (int i = 0; i < rows.length; i++) {
				next[i] = rows[i].next;
				check[i] = rows[i].check;
				if (check[i] > 0 && check[i] < states) {
					int ch = i - base[check[i]];
					bounds.add(ch);
					bounds.add(ch + 1);
				}
			}
		}
		bounds.add(0x10000);
		char map[] = null;
		int table[] = null;
		int count = 0;
		if (bounds.size() - 1 <= CLASSES_MAX * 4) {
			// Each stretch between two bounds is treated alike by every state; stretches that every state treats
			// alike share a class.
			Map<String, Integer> signatures = new HashMap<String, Integer>();
			int columns[][] = new int[bounds.size()][];
			map = new char[0x10000];
			Integer lows[] = bounds.toArray(new Integer[0]);
			for (int b = 0; b + 1 < lows.length && count <= CLASSES_MAX; b++) {
				int low = lows[b];
				int column[] = new int[states];
				for (int s = 1; s < states; s++) {
					column[s] = step(s, low);
				}
				String signature = Arrays.toString(column);
				Integer known = signatures.get(signature);
				if (known == null) {
					known = count;
					signatures.put(signature, known);
					columns[count++] = column;
				}
				Arrays.fill(map, low, Math.min(lows[b + 1], 0x10000), (char) (int) known);
			}
			if (count <= CLASSES_MAX && (long) count * states <= ENTRIES_MAX) {
				table = new int[count * states];
				for (int c = 0; c < count; c++) {
					for (int s = 0; s < states; s++) {
						table[s * count + c] = columns[c][s];
					}
				}
			}
			else {
				map = null;
			}
		}
		classes = map;
		dense = table;
		classcount = table != null ? count : 0;
		twin = new int[states];
		int total = states;
		if (table != null) {
			int newline = map['\n'];
			for (int state = 1; state < states; state++) {
				int target = table[state * count + newline];
				if (target > 0 && twin[target] == 0) {
					twin[target] = total++;
				}
			}
		}
		origin = new int[total];
		for (int state = 0; state < states; state++) {
			origin[state] = state;
			if (twin[state] != 0) {
				origin[twin[state]] = state;
			}
		}
		wide = table != null && (long) total * 257 <= CELLS_MAX ? 256 : 0;
		stride = wide + 1;
		rows = table != null ? new int[total * stride] : null;
		if (table != null) {
			boolean lines[] = linesBefore(table, count, map['\n'], states);
			for (int index = 1; index < total; index++) {
				int state = origin[index];
				boolean last = single[state] > 0;
				for (int c = 0; c < count && last; c++) {
					last = table[state * count + c] <= 0;
				}
				int entry = single[state] < 0 ? RULE << 1 | LAST : single[state] << 1 | (last ? LAST : 0);
				rows[index * stride] = entry | (index >= states ? NEWLINE : 0) | (lines[state] ? LINES : 0);
				for (int ch = 0; ch < wide; ch++) {
					rows[index * stride + 1 + ch] = target(table[state * count + map[ch]], ch);
				}
			}
		}
	}

	/**
	 * The states that some way from a start state reaches through a newline: those a newline leads to and all they
	 * lead to.
	 */
	private static boolean[] linesBefore(int table[], int count, int newline, int states) {
		boolean reached[] = new boolean[states];
		int work[] = new int[states];
		int pending = 0;
		for (int state = 1; state < states; state++) {
			int target = table[state * count + newline];
			if (target > 0 && !reached[target]) {
				reached[target] = true;
				work[pending++] = target;
			}
		}
		while (pending > 0) {
			int state = work[--pending];
			for (int c = 0; c < count; c++) {
				int target = table[state * count + c];
				if (target > 0 && !reached[target]) {
					reached[target] = true;
					work[pending++] = target;
				}
			}
		}
		return reached;
	}

	/** The row of target, where ch leads to it: its twin's for a newline; 0 without a target. */
	private int target(int state, int ch) {
		if (state <= 0) {
			return 0;
		}
		return (ch == '\n' ? twin[state] : state) * stride;
	}

	/** The simple way's step from a row on a character from wide on: the target's row, 0 where the token ends. */
	int far(int row, char ch) {
		int state = origin[stride == 1 ? row : row / stride];
		return target(dense[state * classcount + classes[ch]], ch);
	}

	/**
	 * Whether no character leads on from state, so that its token ends without a look at the next one (a scanner
	 * reading a console acts on a line as soon as it ends). Tables that leave any doubt count as going on.
	 */
	boolean ends(int state) {
		for (int n = 0; n < CHAIN_MAX; n++) {
			if (compact ? next[base[state]] != -1 : base[state] != 0) {
				return false;
			}
			int d = def[state];
			if (d <= 0) {
				return d == 0;
			}
			state = d;
		}
		return false;
	}

	/** The state that ch leads to from state, 0 when the token ends there. */
	int step(int state, int ch) {
		for (int n = 0; n < CHAIN_MAX; n++) {
			if (compact) {
				for (int i = base[state]; next[i] != -1; i++) {
					if (ch <= last[i]) {
						if (ch >= first[i]) {
							return next[i];
						}
						break;
					}
				}
			}
			else {
				int i = base[state] + ch;
				if (i >= 0 && i < check.length && check[i] == state) {
					return next[i];
				}
			}
			int d = def[state];
			if (d > 0) {
				state = d;
			}
			else {
				return d < 0 ? -d : 0;
			}
		}
		return 0;
	}
}
