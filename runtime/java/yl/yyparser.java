package yl;

import java.io.PrintStream;

/**
 * The parsing engine behind every generated Java parser. The generated class fills the table fields in
 * yytables(), defines yyaction and yynewattribute, and the program gives the token source, yygettoken. The engine
 * reads the fast or the compact tables, whichever are set, and behaves as the C and C++ runtimes do: default
 * states and default reductions, yacc error recovery on the error token, destructors for every value it throws
 * away, a stack that grows up to yystack_max (0: no limit) and a trace under yydebug.
 */
public abstract class yyparser {
	public static final int YYAT_ERROR = 0;
	public static final int YYAT_SHIFT = 1;
	public static final int YYAT_REDUCE = 2;
	public static final int YYAT_ACCEPT = 3;
	public static final int YYAT_DEFAULT = 4;
	public static final int YYTK_ALL = -1;
	public static final int YYTK_ERROR = 65536;
	public static final int YYTK_END = 0;

	/** Whether the generated class builds its debugging tables; a parser class declares its own to change it. */
	protected static final boolean YYDEBUG = false;

	/** Recovery counts this many shifted tokens before errors are reported again. */
	private static final int SKIP = 3;
	/** Longest chain of default states followed in one lookup; the tables never loop. */
	private static final int CHAIN_MAX = 100000;

	// Tables, set by the generated yytables().
	protected yysymbol yysymbol[];
	protected String yyrule[];
	protected yyreduction yyreduction[];
	protected yytokenaction yytokenaction[];
	protected yystateaction yystateaction[];
	protected yynontermgoto yynontermgoto[];
	protected yystategoto yystategoto[];
	protected yyctokenaction yyctokenaction[];
	protected short yycstateaction[];
	protected yycnontermgoto yycnontermgoto[];
	protected short yycstategoto[];
	protected short yydestructorref[];
	protected yytokendest yytokendestref[];
	protected int yytokendestbaseref[];
	protected yyctokendest yyctokendestref[];
	protected int yysstack_size = 100;
	protected int yystack_max = 0;

	// The stacks and the values the generated code reads.
	protected int yytop = -1;
	protected yyattribute yyvalref;
	protected yyattribute yylvalref;
	protected yyattribute yyattributestackref[];
	private int yystack[];
	/** The stacks grew past their first size in this parse. */
	private boolean grown;
	private yyattribute blank;

	// Parse state.
	public int yychar = -1;
	private boolean lookahead;
	public int yyskip;
	public int yyerrorcount;
	private boolean exitflg;
	private int exitcode;
	private boolean errorflg;
	public boolean yystackgrow = true;
	public boolean yydebug;
	/**
	 * Whether the parse traces its steps (states, shifts, reductions): from its start when yydebug is on then,
	 * otherwise from the first token read, or error handled, with yydebug on, so that tracing an action switches on
	 * starts with the next token in every table form, as in C.
	 */
	private boolean stepping;
	public PrintStream yydebugout = System.out;
	public PrintStream yyerr = System.err;
	/** The scanner that yygettoken reads, set by yycreate. */
	protected yylexer yylexerref;

	/** The action function; case numbers come from the reduction table. */
	public abstract void yyaction(int action);

	/** A new value of the grammar's YYSTYPE. */
	protected abstract yyattribute yynewattribute();

	/**
	 * The next token, 0 (or less) at the end of the input; its value goes into yylvalref. It comes from the scanner
	 * given to yycreate, or from a parser's own; without either the input is empty, so that a generated class
	 * compiles before its program section is written.
	 */
	public int yygettoken() {
		return yylexerref != null ? yylexerref.yylex() : 0;
	}

	/** Reports a syntax error through yyerror. */
	public void yysyntaxerror() {
		yyerror("syntax error");
	}

	/** Reports that the stack cannot grow any further through yyerror. */
	public void yystackoverflow() {
		yyerror("yacc stack overflow");
	}

	public void yyerror(String text) {
		if (yyerr != null) {
			yyerr.println(text);
		}
	}

	/** Called for every token that error recovery throws away. */
	public void yydiscard(int token) {
	}

	/** Allocates the values and reads the tokens from the scanner, whose actions fill their values through yylval(). */
	public boolean yycreate(yylexer lexer) {
		yylexerref = lexer;
		if (lexer != null) {
			lexer.yyparserref = this;
		}
		return yycreate();
	}

	/** Allocates the values; yyparse does it when it was not done. */
	public boolean yycreate() {
		if (yyvalref == null) {
			yyvalref = yynewattribute();
			yylvalref = yynewattribute();
			blank = yynewattribute();
		}
		return true;
	}

	/** Ends the parse from an action: yyparse returns exitcode. */
	public final void yyexit(int exitcode) {
		exitflg = true;
		this.exitcode = exitcode;
	}

	/** Raises a syntax error from an action, as YYERROR does. */
	public final void yyforceerror() {
		errorflg = true;
	}

	/** Throws the lookahead token away, as yyclearin does. */
	public final void yyclearin() {
		dropLookahead(true);
	}

	/** Ends error recovery at once, as yyerrok does. */
	public final void yyerrok() {
		yyskip = 0;
	}

	public final boolean yyrecovering() {
		return yyskip != 0;
	}

	private boolean compact() {
		return yystateaction == null && yycstateaction != null;
	}

	/** Parses one input: 0 when it was accepted, the code of yyexit when an action ended it, 1 otherwise. */
	public int yyparse() {
		yycreate();
		yytop = -1;
		yychar = -1;
		lookahead = false;
		yyskip = 0;
		yyerrorcount = 0;
		exitflg = false;
		exitcode = 0;
		errorflg = false;
		if (yystateaction == null && yycstateaction == null) {
			return 1;
		}
		if (yystack != null && yystack.length != yysstack_size) {
			// The first size was changed since the last parse.
			yystack = null;
			yyattributestackref = null;
		}
		if (!push(0, null)) {
			return finish(1);
		}
		final boolean compact = compact();
		stepping = yydebug;
		if (!compact && !yydebug) {
			int result = fastLoop();
			if (result >= 0) {
				return result;
			}
			stepping = true;
		}
		int[] action = new int[2];
		for (;;) {
			int state = yystack[yytop];
			final boolean wasStepping = stepping;
			if (stepping && yydebug) {
				traceState(state);
			}
			if (compact) {
				compactAction(state, action);
			} else {
				fastAction(state, action);
			}
			if (!wasStepping && stepping) {
				// The token just read began the trace: it goes on in this state, as when the fast loop hands over.
				traceState(state);
			}
			int sr = action[1];
			switch (action[0]) {
			case YYAT_SHIFT:
				if (stepping) {
					traceToken("shift", yychar);
				}
				if (!push(sr, yylvalref)) {
					return finish(1);
				}
				lookahead = false;
				yychar = -1;
				if (yyskip > 0) {
					yyskip--;
				}
				break;
			case YYAT_REDUCE: {
				int result = reduce(sr, compact);
				if (result >= 0) {
					return result;
				}
				break;
			}
			case YYAT_ACCEPT:
				return finish(0);
			default: {
				int result = rejectToken();
				if (result >= 0) {
					return result;
				}
				stepping |= yydebug;
				break;
			}
			}
		}
	}

	/**
	 * The loop over fast tables while tracing is off, where a parse spends its time: the tables and the current
	 * state live in locals. Returns the result of the parse, or -1 when tracing was switched on and the stepping
	 * loop is to go on.
	 */
	private int fastLoop() {
		final yyflattables tables = yyflattables.of(this);
		final int stateaction[] = tables.stateaction;
		final int tokenaction[] = tables.tokenaction;
		final int tokenactions = tokenaction.length / 3;
		final int stategoto[] = tables.stategoto;
		final int nontermgoto[] = tables.nontermgoto;
		final int nontermgotos = nontermgoto.length / 2;
		final int reduction[] = tables.reduction;
		int state = yystack[yytop];
		for (;;) {
			int type;
			int sr;
			int row = 4 * state;
			if (stateaction[row + 1] == 0 && stateaction[row + 2] == YYAT_REDUCE) {
				type = YYAT_REDUCE;
				sr = stateaction[row + 3];
			} else {
				if (!lookahead) {
					int token = yygettoken();
					yychar = token < 0 ? 0 : token;
					lookahead = true;
					if (yydebug) {
						traceToken("read", yychar);
						return -1;
					}
				}
				final int token = yychar;
				int owner = state;
				type = YYAT_ERROR;
				sr = 0;
				for (int n = 0; n < CHAIN_MAX; n++) {
					if (stateaction[row + 1] != 0) {
						int i = stateaction[row] + token;
						if (i >= 0 && i < tokenactions && tokenaction[3 * i] == owner) {
							type = tokenaction[3 * i + 1];
							sr = tokenaction[3 * i + 2];
							break;
						}
					}
					if (stateaction[row + 2] != YYAT_DEFAULT) {
						type = stateaction[row + 2];
						sr = stateaction[row + 3];
						break;
					}
					owner = stateaction[row + 3];
					row = 4 * owner;
				}
			}
			if (type == YYAT_SHIFT) {
				if (yytop + 1 >= yystack.length && !grow()) {
					yystackoverflow();
					return finish(1);
				}
				yytop++;
				yystack[yytop] = state = sr;
				yyattributestackref[yytop].yycopy(yylvalref);
				lookahead = false;
				yychar = -1;
				if (yyskip > 0) {
					yyskip--;
				}
				continue;
			}
			if (type == YYAT_REDUCE) {
				int length = reduction[3 * sr + 1];
				if (reduction[3 * sr + 2] < 0 && length > 0) {
					// $$ = $1 already holds: the first value sits where the result goes.
					int nonterm = reduction[3 * sr];
					yytop -= length;
					int from = yystack[yytop];
					int i = stategoto[2 * from] + nonterm;
					if (i >= 0 && i < nontermgotos && nontermgoto[2 * i] == from) {
						state = nontermgoto[2 * i + 1];
					} else {
						state = lookupGoto(stategoto[2 * from + 1], nonterm);
						if (state < 0) {
							return finish(1);
						}
					}
					yystack[++yytop] = state;
					continue;
				}
				// Tracing that an action switched on starts with the next token read, as in C, or once the
				// error it raised has been recovered from.
				int result = reduce(sr, false);
				if (result >= 0) {
					return result;
				}
				if (stepping) {
					return -1;
				}
			} else if (type == YYAT_ACCEPT) {
				return finish(0);
			} else {
				int result = rejectToken();
				if (result >= 0) {
					return result;
				}
				if (yydebug) {
					return -1;
				}
			}
			state = yystack[yytop];
		}
	}

	private void traceState(int state) {
		yydebugout.println("in state " + state + " (stack depth " + (yytop + 1) + ")");
	}

	private void readToken() {
		if (lookahead) {
			return;
		}
		yychar = yygettoken();
		if (yychar < 0) {
			yychar = 0;
		}
		lookahead = true;
		stepping |= yydebug;
		traceToken("read", yychar);
	}

	/**
	 * The action of a fast-table state. A state that lists no tokens and reduces by default reduces without
	 * reading one, so that an interactive parser acts on a line as soon as the line ends.
	 */
	private void fastAction(int state, int[] action) {
		yystateaction sa = yystateaction[state];
		if (!sa.lookahead && sa.type == YYAT_REDUCE) {
			action[0] = YYAT_REDUCE;
			action[1] = sa.sr;
			return;
		}
		readToken();
		lookupAction(state, yychar, action);
	}

	private void compactAction(int state, int[] action) {
		int row = yycstateaction[state];
		yyctokenaction first = yyctokenaction[row];
		if (first.token == YYTK_ALL && first.type == YYAT_REDUCE) {
			action[0] = YYAT_REDUCE;
			action[1] = first.sr;
			return;
		}
		readToken();
		lookupAction(state, yychar, action);
	}

	/** The action for a token in a state, following default action states. */
	private void lookupAction(int state, int token, int[] action) {
		for (int n = 0; n < CHAIN_MAX; n++) {
			if (compact()) {
				int row = yycstateaction[state];
				while (yyctokenaction[row].token != YYTK_ALL && yyctokenaction[row].token != token) {
					row++;
				}
				yyctokenaction entry = yyctokenaction[row];
				if (entry.token == YYTK_ALL && entry.type == YYAT_DEFAULT) {
					state = entry.sr;
					continue;
				}
				action[0] = entry.type;
				action[1] = entry.sr;
				return;
			}
			yystateaction sa = yystateaction[state];
			if (sa.lookahead) {
				int i = sa.base + token;
				if (i >= 0 && i < yytokenaction.length && yytokenaction[i].check == state) {
					action[0] = yytokenaction[i].type;
					action[1] = yytokenaction[i].sr;
					return;
				}
			}
			if (sa.type != YYAT_DEFAULT) {
				action[0] = sa.type;
				action[1] = sa.sr;
				return;
			}
			state = sa.sr;
		}
		action[0] = YYAT_ERROR;
		action[1] = 0;
	}

	/** The state entered after reducing to a nonterminal, -1 for none. */
	private int lookupGoto(int state, int nonterm) {
		for (int n = 0; n < CHAIN_MAX && state >= 0; n++) {
			if (compact()) {
				int row = yycstategoto[state];
				while (yycnontermgoto[row].nonterm != -1 && yycnontermgoto[row].nonterm != nonterm) {
					row++;
				}
				if (yycnontermgoto[row].nonterm != -1) {
					return yycnontermgoto[row].next;
				}
				state = yycnontermgoto[row].next;
			} else {
				int i = yystategoto[state].base + nonterm;
				if (i >= 0 && i < yynontermgoto.length && yynontermgoto[i].check == state) {
					return yynontermgoto[i].next;
				}
				state = yystategoto[state].def;
			}
		}
		return -1;
	}

	/** Reduces by a rule: -1 to go on, or the result of the parse. */
	private int reduce(int rule, boolean compact) {
		yyreduction r = yyreduction[rule];
		if (yydebug && stepping) {
			yydebugout.println("reduce rule (" + rule + ")" + (yyrule != null ? " " + yyrule[rule] : ""));
		}
		if (r.action >= 0) {
			// $$ = $1 unless the action says otherwise; an empty rule starts from a fresh value.
			yyvalref.yycopy(r.length > 0 ? yyattributestackref[yytop - r.length + 1] : blank);
			yyaction(r.action);
			// The values of a rule whose action stopped the parse or raised an error belong to that action now.
			yytop -= r.length;
			if (exitflg) {
				return finish(exitcode);
			}
			if (errorflg) {
				errorflg = false;
				if (!recover()) {
					return finish(1);
				}
				stepping |= yydebug;
				return -1;
			}
		} else {
			yytop -= r.length;
		}
		int next = lookupGoto(yystack[yytop], r.nonterm);
		if (next < 0) {
			return finish(1);
		}
		if (r.action < 0 && r.length > 0) {
			// $$ = $1 already holds: the first value sits where the result goes.
			yystack[++yytop] = next;
			return -1;
		}
		if (push(next, r.action >= 0 ? yyvalref : blank)) {
			return -1;
		}
		if (r.action >= 0) {
			// The value the action made found no room on the stack: it goes as it would have gone from the top,
			// after the lookahead and before the values under it. It waits in yyvalref, where the lookahead's
			// destructor reads its own value, so the two trade places meanwhile.
			dropLookahead(true);
			destroyIn(next, yyvalref);
		}
		return finish(1);
	}

	/** A token the state cannot take: -1 to go on, or the result of the parse. */
	private int rejectToken() {
		if (yyskip == SKIP) {
			// Recovery has shifted error but nothing since: this token cannot follow, so it goes.
			if (yychar == 0) {
				return finish(1);
			}
			destroyLookahead();
			return -1;
		}
		if (yyskip == 0) {
			yyerrorcount++;
			yysyntaxerror();
			if (exitflg) {
				return finish(exitcode);
			}
		}
		return recover() ? -1 : finish(1);
	}

	/** Pops until a state shifts the error token and shifts it; false when the stack runs out. */
	private boolean recover() {
		int[] action = new int[2];
		while (yytop >= 0) {
			lookupAction(yystack[yytop], YYTK_ERROR, action);
			if (action[0] == YYAT_SHIFT) {
				traceToken("shift", YYTK_ERROR);
				yyskip = SKIP;
				return push(action[1], blank);
			}
			destroyTop();
		}
		return false;
	}

	private boolean grow() {
		if (yystack != null && !yystackgrow) {
			return false;
		}
		int current = yystack == null ? 0 : yystack.length;
		if (yystack_max > 0 && current >= yystack_max) {
			return false;
		}
		// A parse starts on stacks of yysstack_size entries, as C starts on its static ones, whatever the maximum;
		// after that the stacks double up to it.
		boolean first = yystack == null && yysstack_size > 0;
		int size = first ? yysstack_size : current < 8 ? 16 : current * 2;
		if (!first && yystack_max > 0 && size > yystack_max) {
			size = yystack_max;
		}
		int[] states = new int[size];
		yyattribute[] values = new yyattribute[size];
		int kept = 0;
		if (yystack != null) {
			kept = yystack.length;
			System.arraycopy(yystack, 0, states, 0, kept);
			System.arraycopy(yyattributestackref, 0, values, 0, kept);
		}
		for (int i = kept; i < size; i++) {
			values[i] = yynewattribute();
		}
		yystack = states;
		yyattributestackref = values;
		if (!first) {
			grown = true;
			if (yydebug) {
				yydebugout.println("stack grown to " + size);
			}
		}
		return true;
	}

	/** Pushes a state with a copy of its value; on overflow reports it and returns false. */
	private boolean push(int state, yyattribute value) {
		if ((yystack == null || yytop + 1 >= yystack.length) && !grow()) {
			yystackoverflow();
			return false;
		}
		yytop++;
		yystack[yytop] = state;
		yyattributestackref[yytop].yycopy(value != null ? value : blank);
		return true;
	}

	private int tokenDestructor(int token) {
		if (compact()) {
			if (yyctokendestref == null) {
				return -1;
			}
			for (yyctokendest row : yyctokendestref) {
				if (row.token == -1) {
					break;
				}
				if (row.token == token) {
					return row.action;
				}
			}
			return -1;
		}
		if (yytokendestref == null || yytokendestbaseref == null) {
			return -1;
		}
		// Runs cover disjoint token ranges, so at most one run owns the position.
		for (int run = 0; run < yytokendestbaseref.length; run++) {
			int i = yytokendestbaseref[run] + token;
			if (i >= 0 && i < yytokendestref.length && yytokendestref[i].check == run) {
				return yytokendestref[i].action;
			}
		}
		return -1;
	}

	/** Destructor code reads the doomed value as $$. */
	private void destroy(int action, yyattribute value) {
		if (action < 0) {
			return;
		}
		yyvalref.yycopy(value);
		yyaction(action);
	}

	private void destroyTop() {
		destroyIn(yystack[yytop], yyattributestackref[yytop]);
		yytop--;
	}

	/** Discards the value that would stand in state. */
	private void destroyIn(int state, yyattribute value) {
		if (yydestructorref != null) {
			if (yydebug) {
				yydebugout.println("discard value of state " + state);
			}
			destroy(yydestructorref[state], value);
		}
	}

	/**
	 * Runs the lookahead's destructor from inside an action (yyclearin). The destructor reads the token's value as
	 * $$, which is yyvalref, and yyvalref is just now the running action's own $$: the two trade places while the
	 * destructor runs, so that the value the action has set survives it, whatever the destructor throws.
	 */
	private void destroyInAction(int action) {
		yyattribute result = yyvalref;
		yyvalref = yylvalref;
		yylvalref = result;
		try {
			yyaction(action);
		} finally {
			yylvalref = yyvalref;
			yyvalref = result;
		}
	}

	private void destroyLookahead() {
		dropLookahead(false);
	}

	/**
	 * Throws the lookahead token away; keepValue tells that yyvalref holds a value to keep through the destructor: the
	 * $$ of an action that asked for it, or the value of a rule that found no room on the stack.
	 */
	private void dropLookahead(boolean keepValue) {
		if (!lookahead) {
			return;
		}
		lookahead = false;
		// The end of input carries no value and is never thrown away.
		if (yychar != 0) {
			traceToken("discard", yychar);
			int action = tokenDestructor(yychar);
			if (keepValue && action >= 0) {
				destroyInAction(action);
			} else {
				destroy(action, yylvalref);
			}
			yydiscard(yychar);
		}
		yychar = -1;
	}

	/** Ends the parse: every value still held is discarded through its destructor. */
	private int finish(int code) {
		destroyLookahead();
		while (yytop >= 0) {
			destroyTop();
		}
		// The next parse starts on stacks of the first size again, so that the limits it is given hold for it.
		if (grown) {
			yystack = null;
			yyattributestackref = null;
			grown = false;
		}
		if (yydebug) {
			yydebugout.println(code == 0 ? "accept" : "abort");
		}
		return code;
	}

	private void traceToken(String what, int token) {
		if (!yydebug) {
			return;
		}
		String name = null;
		if (yysymbol != null) {
			for (yysymbol symbol : yysymbol) {
				if (symbol.name == null) {
					break;
				}
				if (symbol.token == token) {
					name = symbol.name;
					break;
				}
			}
		}
		yydebugout.println(name != null ? what + " token " + name + " (" + token + ")" : what + " token " + token);
	}
}
