package yl;

import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.io.Reader;
import java.io.UncheckedIOException;

/**
 * The scanning engine behind every generated Java scanner, the same as the C and C++ one. The generated class fills
 * the table fields in yytables() and defines yyaction; characters are UTF-16 code units read from a Reader (or an
 * InputStream in UTF-8). A token is the longest prefix of the input whose state accepts a rule; what was read past
 * it is given back through yyunput, a rule with trailing context ends where its context mark was reached, and
 * REJECT (yyreject) takes the next rule of the same state, then the rules of shorter prefixes. The input, output,
 * unput, wrap and overflow hooks are methods a scanner class overrides.
 */
public abstract class yylexer {
	// Tables, set by the generated yytables().
	protected short yymatch[];
	protected boolean yybackup[];
	protected yystate yystate[];
	protected yytransition yytransition[];
	protected yyctransition yyctransition[];
	protected int yystext_size = 100;
	protected int yysunput_size = 100;
	protected int yytext_max = 0;
	protected int yyunput_max = 0;

	// Scanner state.
	/** The token's length; yytext() and yycharat(i) read its text. */
	public int yyleng;
	public int yylineno = 1;
	/** Start condition: twice its number. */
	public int yystart;
	/** The next character begins a line. */
	public boolean yyeol = true;
	/** The same, where the token began. */
	public boolean yyoldeol = true;
	public boolean yymoreflg;
	public boolean yyrejectflg;
	public boolean yyreturnflg;
	/** False keeps the text buffer at its size. */
	public boolean yytextgrow = true;
	public boolean yyunputgrow = true;
	/** Characters waiting in the unput buffer. */
	public int yyunputindex;
	public boolean yydebug;
	public PrintStream yydebugout = System.out;
	public PrintStream yyout = System.out;
	/** A high surrogate that yyoutput holds until its low one comes. */
	private int outpending = 0;
	public PrintStream yyerr = System.err;
	/** The parser that reads the tokens, set by its yycreate. */
	protected yyparser yyparserref;

	private Reader yyin;
	/** The text buffer of the general way, which holds the token that a scan built character by character. */
	private char textbuf[];
	/** Where the token's text is: in the text buffer, or where the simple way found it in the input buffer. */
	private char tokenbuf[];
	private int tokenoff;
	private int statebuf[];
	private int unputbuf[];
	private char inbuf[] = new char[16384];
	private int inpos;
	private int inend;
	private boolean created;
	/** None of yyinput, yygetchar and yyunput is the program's own: the engine reads its buffer directly. */
	private final boolean directInput;

	/** The tables as the engine reads them. */
	private yylexerlayout layout;
	/** The engine reads its buffer itself through the dense rows: tokens may go the simple way. */
	private boolean simple;
	/** The layout's rows for the simple way, and their shape, read once per token. */
	private int rows[];
	private int wide;
	private int stride;
	/** Whether the token general() returned is yylex's, or the scan goes on. */
	private boolean generalReturn;

	protected yylexer() {
		directInput = !overrides("yyinput") && !overrides("yygetchar") && !overrides("yyunput", int.class);
	}

	private boolean overrides(String method, Class<?>... parameters) {
		try {
			return getClass().getMethod(method, parameters).getDeclaringClass() != yylexer.class;
		}
		catch (NoSuchMethodException e) {
			return true;
		}
	}

	/** The action function; case numbers are the rules'. */
	public abstract int yyaction(int action);

	/** Reads from the reader. */
	public final void yysetinput(Reader in) {
		yyin = in;
		inpos = inend = 0;
	}

	/** Reads UTF-8 from the stream, a byte that is not UTF-8 as the code unit 0xDC00 + byte (yyutf8reader). */
	public final void yysetinput(InputStream in) {
		yysetinput(new yyutf8reader(in));
	}

	/**
	 * Allocates the buffers and ties the scanner to the parser that reads its tokens, if any; yylex does it when it
	 * was not done.
	 */
	public boolean yycreate(yyparser parser) {
		yyparserref = parser;
		if (!created) {
			textbuf = new char[Math.max(yystext_size, 1) + 1];
			tokenbuf = textbuf;
			statebuf = new int[Math.max(yystext_size, 1)];
			unputbuf = new int[Math.max(yysunput_size, 1)];
			created = true;
			layout = yylexerlayout.of(this);
			simple = directInput && layout.rows != null;
			rows = layout.rows;
			wide = layout.wide;
			stride = layout.stride;
		}
		return true;
	}

	public final boolean yycreate() {
		return yycreate(yyparserref);
	}

	/** Makes the scanner read a new input from its start, keeping its buffers and hooks. */
	public void yyreset() {
		yymoreflg = false;
		yyrejectflg = false;
		yyeol = true;
		yyoldeol = true;
		yystart = 0;
		yyleng = 0;
		yylineno = 1;
		yyunputindex = 0;
		inpos = inend = 0;
	}

	// Controls for actions.

	/** The token's text. */
	public final String yytext() {
		return new String(tokenbuf, tokenoff, yyleng);
	}

	/** Character i of the token's text. */
	public final char yycharat(int i) {
		if (i < 0 || i >= yyleng) {
			throw new IndexOutOfBoundsException(i);
		}
		return tokenbuf[tokenoff + i];
	}

	/** Enters a start condition (BEGIN). */
	public final void yybegin(int condition) {
		yystart = condition;
	}

	/** Writes the token to the output (ECHO). */
	public final void yyecho() {
		for (int k = 0; k < yyleng; k++) {
			yyoutput(tokenbuf[tokenoff + k]);
		}
	}

	/** The next token's text begins with this one's (yymore). */
	public final void yymore() {
		yymoreflg = true;
	}

	/** Takes the next rule that matched, or a shorter match: an action returns what this returns (REJECT). */
	public final int yyreject() {
		yyrejectflg = true;
		return 0;
	}

	/** Keeps the first n characters of the token and gives back the rest. */
	public final void yyless(int n) {
		n = Math.max(0, Math.min(n, yyleng));
		for (int k = yyleng - 1; k >= n; k--) {
			yyunput(tokenbuf[tokenoff + k]);
		}
		yyleng = n;
		yyeol = n > 0 ? tokenbuf[tokenoff + n - 1] == '\n' : yyoldeol;
	}

	/** The parser's value of the token, which an action fills; null without a parser. */
	protected final yyattribute yylval() {
		return yyparserref != null ? yyparserref.yylvalref : null;
	}

	// Hooks.

	/** The next character of the input, -1 at its end. */
	public int yygetchar() {
		if (inpos < inend) {
			return inbuf[inpos++];
		}
		return refill();
	}

	private int refill() {
		if (yyin == null) {
			yysetinput(System.in);
		}
		// An action reads on: the token's text must not be overwritten.
		keepToken();
		try {
			int n;
			do {
				n = yyin.read(inbuf, 0, inbuf.length);
			} while (n == 0);
			if (n < 0) {
				return -1;
			}
			inpos = 1;
			inend = n;
			return inbuf[0];
		}
		catch (IOException e) {
			throw new UncheckedIOException(e);
		}
	}

	/**
	 * input(): what was given back comes first; the line count follows every character read. Past the end of the
	 * input a line begins, as it does when the scan reaches the end.
	 */
	public int yyinput() {
		int ch = yyunputindex > 0 ? unputbuf[--yyunputindex] : yygetchar();
		if (ch >= 0) {
			if (ch == '\n') {
				yylineno++;
			}
			yyeol = ch == '\n';
		}
		else {
			yyeol = true;
		}
		return ch;
	}

	/**
	 * Writes code units out as UTF-8: a high surrogate waits for the low one that follows it, and a lone low surrogate
	 * from 0xDC80 to 0xDCFF is the byte that the input could not decode, written back as that byte.
	 */
	public void yyoutput(int ch) {
		ch &= 0xFFFF;
		if (outpending != 0 && ch >= 0xDC00 && ch <= 0xDFFF) {
			int first = outpending;
			outpending = 0;
			putcode(0x10000 + ((first - 0xD800) << 10) + (ch - 0xDC00));
			return;
		}
		flushoutput();
		if (ch >= 0xD800 && ch <= 0xDBFF) {
			outpending = ch;
		}
		else if (ch >= 0xDC80 && ch <= 0xDCFF) {
			yyout.write(ch - 0xDC00);
		}
		else {
			putcode(ch);
		}
	}

	/** A high surrogate still waiting when another unit comes, or when the scan ends, goes out alone. */
	private void flushoutput() {
		if (outpending != 0) {
			int first = outpending;
			outpending = 0;
			putcode(first);
		}
	}

	/** A code point as UTF-8; a lone surrogate takes the three bytes that its value would. */
	private void putcode(int code) {
		if (code < 0x80) {
			yyout.write(code);
		}
		else if (code < 0x800) {
			yyout.write(0xC0 | code >> 6);
			yyout.write(0x80 | code & 0x3F);
		}
		else if (code < 0x10000) {
			yyout.write(0xE0 | code >> 12);
			yyout.write(0x80 | code >> 6 & 0x3F);
			yyout.write(0x80 | code & 0x3F);
		}
		else {
			yyout.write(0xF0 | code >> 18);
			yyout.write(0x80 | code >> 12 & 0x3F);
			yyout.write(0x80 | code >> 6 & 0x3F);
			yyout.write(0x80 | code & 0x3F);
		}
	}

	public void yyunput(int ch) {
		if (yyunputindex >= unputbuf.length && !growunput()) {
			yyunputoverflow();
			return;
		}
		unputbuf[yyunputindex++] = ch & 0xFFFF;
		if (ch == '\n') {
			yylineno--;
		}
	}

	/** At the end of the input: true stops the scan, false goes on with a new input the method has set. */
	public boolean yywrap() {
		return true;
	}

	public void yytextoverflow() {
		yyerror("lex text buffer overflow");
	}

	public void yyunputoverflow() {
		yyerror("lex unput buffer overflow");
	}

	public void yyerror(String text) {
		if (yyerr != null) {
			yyerr.println(text);
			yyerr.flush();
		}
	}

	// The engine.

	private boolean growtext(int need) {
		if (!yytextgrow || (yytext_max > 0 && need > yytext_max)) {
			return false;
		}
		int size = Math.max(statebuf.length, 16);
		while (size < need) {
			size *= 2;
		}
		if (yytext_max > 0 && size > yytext_max) {
			size = yytext_max;
		}
		char text[] = new char[size + 1];
		System.arraycopy(textbuf, 0, text, 0, textbuf.length);
		if (tokenbuf == textbuf) {
			tokenbuf = text;
		}
		textbuf = text;
		int states[] = new int[size];
		System.arraycopy(statebuf, 0, states, 0, statebuf.length);
		statebuf = states;
		return true;
	}

	private boolean growunput() {
		if (!yyunputgrow || (yyunput_max > 0 && unputbuf.length >= yyunput_max)) {
			return false;
		}
		int size = unputbuf.length * 2;
		if (yyunput_max > 0 && size > yyunput_max) {
			size = yyunput_max;
		}
		int buffer[] = new int[size];
		System.arraycopy(unputbuf, 0, buffer, 0, yyunputindex);
		unputbuf = buffer;
		return true;
	}

	// Where the program left the input hooks as they are, the engine reads its buffers itself and counts the lines
	// of a token once it is accepted: a character it reads ahead and gives back then never passes the hooks. A
	// character given back goes back into the input buffer when it came from there, so that reading it again costs
	// nothing.

	/** The next character, as the hooks would give it, without counting lines; -1 at the end. */
	private int take() {
		if (!directInput) {
			return yyinput();
		}
		if (yyunputindex > 0) {
			return unputbuf[--yyunputindex];
		}
		if (inpos < inend) {
			return inbuf[inpos++];
		}
		return refill();
	}

	/** Gives back a character that take() read, which comes again before the rest of the input. */
	private void giveBack(int ch) {
		if (!directInput) {
			yyunput(ch);
		}
		else if (yyunputindex == 0 && inpos > 0 && inbuf[inpos - 1] == ch) {
			inpos--;
		}
		else if (yyunputindex < unputbuf.length || growunput()) {
			unputbuf[yyunputindex++] = ch & 0xFFFF;
		}
		else {
			yyunputoverflow();
		}
	}

	/** The newlines of in[begin, end). */
	private static int newlines(char in[], int begin, int end) {
		int count = 0;
		for (int k = begin; k < end; k++) {
			if (in[k] == '\n') {
				count++;
			}
		}
		return count;
	}

	/**
	 * Keeps inbuf[keep, inend) at the front of the buffer, which grows when the kept part fills it, and reads more
	 * input after it; false at the end of the input.
	 */
	private boolean more(int keep) {
		if (yyin == null) {
			yysetinput(System.in);
		}
		if (keep > 0) {
			System.arraycopy(inbuf, keep, inbuf, 0, inend - keep);
			inend -= keep;
			inpos -= keep;
		}
		if (inend == inbuf.length) {
			inbuf = java.util.Arrays.copyOf(inbuf, inbuf.length * 2);
		}
		try {
			int n;
			do {
				n = yyin.read(inbuf, inend, inbuf.length - inend);
			} while (n == 0);
			if (n < 0) {
				return false;
			}
			inend += n;
			return true;
		}
		catch (IOException e) {
			throw new UncheckedIOException(e);
		}
	}

	/** more(keep) for the simple way, out of its loop: how far the buffer moved; nothing more was read at the end. */
	private int moreShift(int keep) {
		int before = inpos;
		more(keep);
		return before - inpos;
	}

	/** The longest text that the text buffer holds or may grow to. */
	private int textLimit() {
		if (!yytextgrow) {
			return statebuf.length;
		}
		return yytext_max > 0 ? Math.max(yytext_max, statebuf.length) : Integer.MAX_VALUE;
	}

	/** Moves the token's text into the text buffer, where the general way and yymore() expect it. */
	private void keepToken() {
		if (tokenbuf == textbuf) {
			return;
		}
		// The text holds as many characters as there are states; the
		// extra place of its buffer is the C runtime's closing 0.
		if (yyleng > statebuf.length && !growtext(yyleng)) {
			yytextoverflow();
			yyleng = statebuf.length;
		}
		System.arraycopy(tokenbuf, tokenoff, textbuf, 0, yyleng);
		tokenbuf = textbuf;
		tokenoff = 0;
	}

	/** Entry i of the state's match list, 0 past its end. */
	private int matchentry(int state, int i) {
		int match = layout.match[state];
		if (match >= 0) {
			return i == 0 ? match : 0;
		}
		return yymatch[-match + i];
	}

	private boolean hasmark(int state, int rule) {
		int entry;
		for (int i = 0; (entry = matchentry(state, i)) != 0; i++) {
			if (entry == -rule) {
				return true;
			}
		}
		return false;
	}

	private void trace(String what, int rule) {
		if (!yydebug) {
			return;
		}
		StringBuilder line = new StringBuilder("lex: ").append(what);
		if (rule > 0) {
			line.append(' ').append(rule);
		}
		line.append(" \"");
		for (int k = 0; k < yyleng; k++) {
			char ch = tokenbuf[tokenoff + k];
			if (ch == '\n') {
				line.append("\\n");
			}
			else if (ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\') {
				line.append(ch);
			}
			else {
				line.append(String.format(ch < 0x100 ? "\\x%02x" : "\\x%04x", (int) ch));
			}
		}
		yydebugout.println(line.append("\" line ").append(yylineno));
	}

	/** Scans the next token: what an action returns, or 0 at the end. */
	public int yylex() {
		if (!created) {
			yycreate(yyparserref);
		}
		// Kept small, so that the compiler makes one piece of the simple way and this loop.
		for (;;) {
			int start = yymoreflg ? moreStart() : 0;
			// A yymore() text began where its first piece did: yyless(0) gives all of it back, and the line's
			// start is as it was there.
			if (start == 0) {
				yyoldeol = yyeol;
			}
			// A branch rather than arithmetic on yyeol: most tokens start apart from a line's start, and the
			// predicted branch spares the scan the wait for the last token's store of yyeol.
			int first;
			if (yyeol) {
				first = yystart + 2;
			}
			else {
				first = yystart + 1;
			}
			// Where a REJECT of the simple way's token sends the general way's search for the next rule.
			int resume = 0;
			if (start == 0 && simple && yyunputindex == 0) {
				// The simple way, for a token read straight from the input buffer that ends in a state accepting one
				// rule without trailing context: the characters are followed through the rows in the buffer
				// itself until no transition is left, and the token's text stays where it is. Only the state where
				// the scan stopped is asked what it accepts; a token that would back up to an earlier state, or
				// whose state has several rules, goes the general way, nothing consumed.
				final int rows[] = this.rows;
				final int wide = this.wide;
				char in[] = inbuf;
				int begin = inpos;
				int p = begin;
				int e = Math.min(inend, in.length);
				int row = first * stride;
				for (;;) {
					if (p >= e) {
						// A state without transitions ends the token before more is read, which may wait.
						if (rows[row] >= yylexerlayout.LAST) {
							break;
						}
						int shift = moreShift(begin);
						begin -= shift;
						p -= shift;
						in = inbuf;
						e = Math.min(inend, in.length);
						if (p >= e) {
							break;
						}
					}
					char ch = in[p];
					int target = ch < wide ? rows[row + 1 + ch] : layout.far(row, ch);
					if (target <= 0) {
						break;
					}
					p++;
					row = target;
				}
				int m = rows[row];
				int accepted = p;
				// The last state's twin bit says whether the token ended with a newline.
				boolean eol = (m & yylexerlayout.NEWLINE) != 0;
				int rule = m >>> 1 & yylexerlayout.RULE;
				// A token longer than the text may hold goes the general way, which cuts it and reports it.
				if (accepted > begin && rule != 0 && rule != yylexerlayout.RULE && accepted - begin <= textLimit()) {
					int lines = (m & yylexerlayout.LINES) != 0 ? newlines(in, begin, accepted) : 0;
					// A reference stored costs the collector's barrier: only when it changes.
					if (tokenbuf != in) {
						tokenbuf = in;
					}
					tokenoff = begin;
					yyleng = accepted - begin;
					yyeol = eol;
					inpos = accepted;
					if (lines != 0) {
						yylineno += lines;
					}
					if (yydebug) {
						trace("rule", rule);
					}
					yyrejectflg = false;
					yyreturnflg = false;
					int token = yyaction(rule);
					if (!yyrejectflg) {
						if (yyreturnflg) {
							return token;
						}
						continue;
					}
					// The general way scans the token again and goes on after the rule that rejected.
					yyrejectflg = false;
					resume = yyleng;
					inpos = begin;
					yylineno -= lines;
				}
			}
			int token = general(first, start, resume);
			if (generalReturn) {
				return token;
			}
		}
	}

	/** The start of a token that continues the last one's text (yymore). */
	private int moreStart() {
		keepToken();
		yymoreflg = false;
		int start = yyleng;
		if (start >= statebuf.length && !growtext(start + 1)) {
			yytextoverflow();
			start = 0;
		}
		return start;
	}

	/**
	 * The general way, one token built character by character in the text buffer: what its action returns, with
	 * generalReturn set when yylex returns it.
	 */
	private int general(int first, int start, int resume) {
		generalReturn = true;
		// The token is built in the text buffer from here on.
		tokenbuf = textbuf;
		tokenoff = 0;
		int state = first;
		int len = start;
		int ch = 0;
		final yylexerlayout tables = layout;
		final char classes[] = tables.classes;
		final int dense[] = tables.dense;
		final int classcount = tables.classcount;
		// Newlines among the characters read from start on, where the engine counts lines itself.
		int newlines = 0;
		for (;;) {
			// A start state with nothing to go on with reads on all the same: the end of the input is found only by
			// reading it.
			if (len > start && tables.ends(state)) {
				break;
			}
			ch = take();
			if (ch < 0) {
				break;
			}
			int target = dense != null ? dense[state * classcount + classes[ch]] : tables.step(state, ch);
			if (target <= 0) {
				giveBack(ch);
				break;
			}
			// Only a character that goes on with a full text overflows it; it is given back.
			if (len >= statebuf.length && !growtext(len + 1)) {
				yytextoverflow();
				giveBack(ch);
				break;
			}
			if (ch == '\n') {
				newlines++;
			}
			textbuf[len] = (char) ch;
			statebuf[len] = target;
			len++;
			state = target;
		}

		int rule;
		if (ch < 0 && len == start) {
			// The end of the input: yywrap may bring more; otherwise an end-of-file rule of the start
			// condition runs, or the scan ends.
			yyleng = start;
			if (!yywrap()) {
				yyeol = true;
				generalReturn = false;
				return 0;
			}
			int k = 0;
			while ((rule = matchentry(first, k)) < 0) {
				k++;
			}
			// Whatever input the program gives next starts a line: given by an end-of-file rule's action, or by
			// the program once the scan ends.
			yyeol = true;
			if (rule == 0) {
				flushoutput();
				trace("end of input", 0);
				return 0;
			}
			trace("end of input, rule", rule);
			yyreturnflg = false;
			int token = yyaction(rule);
			if (yyreturnflg) {
				return token;
			}
			generalReturn = false;
			return 0;
		}

		int pos = resume > 0 ? resume : len;
		int index = resume > 0 ? 1 : 0;
		for (;;) {
			rule = 0;
			int end = pos;
			while (pos > start) {
				int entry;
				int s = statebuf[pos - 1];
				while ((entry = matchentry(s, index)) != 0) {
					index++;
					if (entry < 0) {
						continue;
					}
					end = pos;
					if (yybackup[entry]) {
						for (; end >= start; end--) {
							if (hasmark(end > start ? statebuf[end - 1] : first, entry)) {
								break;
							}
						}
						if (end < start) {
							continue;
						}
					}
					rule = entry;
					break;
				}
				if (rule != 0) {
					break;
				}
				pos--;
				index = 0;
			}

			if (rule == 0) {
				// No rule matches: the first character is written out, as lex's default rule does.
				if (len == start) {
					ch = take();
					if (ch < 0) {
						break;
					}
					if (ch == '\n') {
						newlines++;
					}
					textbuf[len++] = (char) ch;
				}
				end = start + 1;
			}
			for (int k = len - 1; k >= end; k--) {
				if (textbuf[k] == '\n') {
					newlines--;
				}
				giveBack(textbuf[k]);
			}
			if (directInput) {
				yylineno += newlines;
			}
			yyleng = end;
			tokenbuf = textbuf;
			tokenoff = 0;
			yyeol = end > 0 ? textbuf[end - 1] == '\n' : yyoldeol;
			if (rule == 0) {
				trace("no rule, echoed", 0);
				yyecho();
				break;
			}
			trace("rule", rule);
			yyrejectflg = false;
			yyreturnflg = false;
			int token = yyaction(rule);
			if (yyrejectflg) {
				// Back to the text as the scan left it, and on to the next candidate.
				yyrejectflg = false;
				if (directInput) {
					yylineno -= newlines;
				}
				for (int k = end; k < len; k++) {
					if (take() == '\n') {
						newlines++;
					}
				}
				continue;
			}
			if (yyreturnflg) {
				return token;
			}
			break;
		}
		generalReturn = false;
		return 0;
	}
}
