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
	 * Per state: the one rule it accepts when it has no other and no trailing context, -1 when it has more, or 0;
	 * with LAST added when the state has no transition left, so that the token ends there without a look ahead.
	 */
	final int single[];
	static final int LAST = 1 << 30;
	/** Added to a state's single entry when a token that ends there may hold a newline, whose lines then count. */
	static final int NEWLINES = 1 << 29;
	static final int RULE = NEWLINES - 1;
	/**
	 * The dense table again for the simple way, a row of stride ints per state: the state's single entry first, then
	 * one entry per character below wide, which is the target's row (its state times stride), or 0 where the token
	 * ends; the characters from wide on take far(). Indexed by the character itself, a step costs one array access
	 * after the character's; a scanner of many states has no such part (wide 0), so that the table stays small.
	 */
	final int rows[];
	final int stride;
	final int wide;
	/** The rows have a wide part for at most this many entries. */
	private static final int WIDE_MAX = 1 << 21;
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
		wide = table != null && (long) states * 257 <= WIDE_MAX ? 256 : 0;
		stride = wide + 1;
		rows = table != null ? new int[states * stride] : null;
		// The states that a newline leads to, and all that follow them.
		boolean newlines[] = new boolean[states];
		if (table != null) {
			int newline = map['\n'];
			java.util.ArrayDeque<Integer> work = new java.util.ArrayDeque<Integer>();
			for (int state = 1; state < states; state++) {
				int target = table[state * count + newline];
				if (target > 0 && !newlines[target]) {
					newlines[target] = true;
					work.add(target);
				}
			}
			while (!work.isEmpty()) {
				int state = work.poll();
				for (int c = 0; c < count; c++) {
					int target = table[state * count + c];
					if (target > 0 && !newlines[target]) {
						newlines[target] = true;
						work.add(target);
					}
				}
			}
		}
		if (table != null) {
			for (int state = 1; state < states; state++) {
				boolean last = single[state] > 0;
				for (int c = 0; c < count && last; c++) {
					last = table[state * count + c] <= 0;
				}
				if (last) {
					single[state] += LAST;
				}
				rows[state * stride] = single[state] <= 0 ? single[state] : single[state] + (newlines[state] ? NEWLINES : 0);
				for (int ch = 0; ch < wide; ch++) {
					rows[state * stride + 1 + ch] = Math.max(table[state * count + map[ch]], 0) * stride;
				}
			}
		}
	}

	/** The simple way's step from a row on a character from wide on: the target's row, 0 where the token ends. */
	int far(int row, char ch) {
		int state = stride == 1 ? row : row / stride;
		return Math.max(dense[state * classcount + classes[ch]], 0) * stride;
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
