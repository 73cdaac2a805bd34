package yl;

import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.PrintStream;
import java.io.Reader;
import java.io.UncheckedIOException;
import java.nio.charset.StandardCharsets;

/**
 * The scanning engine behind every generated Java scanner, the same as the C and C++ one. The generated class fills
 * the table fields in yytables() and defines yyaction; characters are UTF-16 code units read from a Reader (or an
 * InputStream in UTF-8). A token is the longest prefix of the input whose state accepts a rule; what was read past
 * it is given back through yyunput, a rule with trailing context ends where its context mark was reached, and
 * REJECT (yyreject) takes the next rule of the same state, then the rules of shorter prefixes. The input, output,
 * unput, wrap and overflow hooks are methods a scanner class overrides.
 */
public abstract class yylexer {
	/** Longest chain of default states followed in one lookup; the tables never loop. */
	private static final int CHAIN_MAX = 100000;

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
	/** The token's text: its first yyleng characters. */
	public char yytext[];
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
	public PrintStream yyerr = System.err;
	/** The parser that reads the tokens, set by its yycreate. */
	protected yyparser yyparserref;

	private Reader yyin;
	private int statebuf[];
	private int unputbuf[];
	private final char inbuf[] = new char[8192];
	private int inpos;
	private int inend;
	private boolean created;
	/** Neither yyinput nor yygetchar is the program's own: the engine reads its buffer directly. */
	private final boolean directInput;

	// The tables laid out as int arrays, one array access per field.
	private int def[];
	private int base[];
	private int matchfield[];
	private int next[];
	private int check[];
	private int first[];
	private int last[];
	private boolean compact;

	protected yylexer() {
		directInput = !overrides("yyinput") && !overrides("yygetchar");
	}

	private boolean overrides(String method) {
		try {
			return getClass().getMethod(method).getDeclaringClass() != yylexer.class;
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

	/** Reads UTF-8 from the stream. */
	public final void yysetinput(InputStream in) {
		yysetinput(new InputStreamReader(in, StandardCharsets.UTF_8));
	}

	/**
	 * Allocates the buffers and ties the scanner to the parser that reads its tokens, if any; yylex does it when it
	 * was not done.
	 */
	public boolean yycreate(yyparser parser) {
		yyparserref = parser;
		if (!created) {
			yytext = new char[Math.max(yystext_size, 1) + 1];
			statebuf = new int[Math.max(yystext_size, 1)];
			unputbuf = new int[Math.max(yysunput_size, 1)];
			created = true;
			layout();
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

	private void layout() {
		int states = yystate.length;
		def = new int[states];
		base = new int[states];
		matchfield = new int[states];
		for (int i = 0; i < states; i++) {
			def[i] = yystate[i].def;
			base[i] = yystate[i].base;
			matchfield[i] = yystate[i].match;
		}
		compact = yytransition == null;
		if (compact) {
			first = new int[yyctransition.length];
			last = new int[yyctransition.length];
			next = new int[yyctransition.length];
			for (int i = 0; i < yyctransition.length; i++) {
				first[i] = yyctransition[i].first;
				last[i] = yyctransition[i].last;
				next[i] = yyctransition[i].next;
			}
		}
		else {
			next = new int[yytransition.length];
			check = new int[yytransition.length];
			for (int i = 0; i < yytransition.length; i++) {
				next[i] = yytransition[i].next;
				check[i] = yytransition[i].check;
			}
		}
	}

	// Controls for actions.

	/** The token's text. */
	public final String yytext() {
		return new String(yytext, 0, yyleng);
	}

	/** Enters a start condition (BEGIN). */
	public final void yybegin(int condition) {
		yystart = condition;
	}

	/** Writes the token to the output (ECHO). */
	public final void yyecho() {
		for (int k = 0; k < yyleng; k++) {
			yyoutput(yytext[k]);
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
			yyunput(yytext[k]);
		}
		yyleng = n;
		yyeol = n > 0 ? yytext[n - 1] == '\n' : yyoldeol;
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

	/** input(): what was given back comes first; the line count follows every character read. */
	public int yyinput() {
		int ch = yyunputindex > 0 ? unputbuf[--yyunputindex] : yygetchar();
		if (ch >= 0) {
			if (ch == '\n') {
				yylineno++;
			}
			yyeol = ch == '\n';
		}
		return ch;
	}

	public void yyoutput(int ch) {
		yyout.print((char) ch);
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
		System.arraycopy(yytext, 0, text, 0, yytext.length);
		yytext = text;
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

	/** The next character as input() reads it, from the buffers themselves where the program left the hooks. */
	private int read() {
		if (!directInput) {
			return yyinput();
		}
		int ch;
		if (yyunputindex > 0) {
			ch = unputbuf[--yyunputindex];
		}
		else if (inpos < inend) {
			ch = inbuf[inpos++];
		}
		else {
			ch = refill();
			if (ch < 0) {
				return ch;
			}
		}
		if (ch == '\n') {
			yylineno++;
			yyeol = true;
		}
		else {
			yyeol = false;
		}
		return ch;
	}

	/** The state that ch leads to from state, 0 when the token ends there. */
	private int next(int state, int ch) {
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

	/** Entry i of the state's match list, 0 past its end. */
	private int matchentry(int state, int i) {
		int match = matchfield[state];
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
			char ch = yytext[k];
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
		for (;;) {
			int start = yymoreflg ? yyleng : 0;
			yymoreflg = false;
			yyoldeol = yyeol;
			int first = yystart + (yyeol ? 2 : 1);
			if (start >= statebuf.length && !growtext(start + 1)) {
				yytextoverflow();
				start = 0;
			}
			int state = first;
			int len = start;
			int ch = 0;
			for (;;) {
				if (len >= statebuf.length && !growtext(len + 1)) {
					yytextoverflow();
					break;
				}
				ch = read();
				if (ch < 0) {
					break;
				}
				int target = next(state, ch);
				if (target <= 0) {
					yyunput(ch);
					break;
				}
				yytext[len] = (char) ch;
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
					continue;
				}
				int k = 0;
				while ((rule = matchentry(first, k)) < 0) {
					k++;
				}
				if (rule == 0) {
					trace("end of input", 0);
					return 0;
				}
				trace("end of input, rule", rule);
				yyreturnflg = false;
				int token = yyaction(rule);
				if (yyreturnflg) {
					return token;
				}
				continue;
			}

			int pos = len;
			int index = 0;
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
						ch = read();
						if (ch < 0) {
							break;
						}
						yytext[len++] = (char) ch;
					}
					end = start + 1;
				}
				for (int k = len - 1; k >= end; k--) {
					yyunput(yytext[k]);
				}
				yyleng = end;
				yyeol = end > 0 ? yytext[end - 1] == '\n' : yyoldeol;
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
					for (int k = end; k < len; k++) {
						read();
					}
					continue;
				}
				if (yyreturnflg) {
					return token;
				}
				break;
			}
		}
	}
}
