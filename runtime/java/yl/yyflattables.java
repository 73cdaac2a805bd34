package yl;

/**
 * The fast tables of a parser class laid out as interleaved int arrays, the way the C runtime reads its row
 * structures: one array access per field instead of a reference to follow and then a field. Built once per
 * parser class from its table objects and shared by all its instances.
 */
final class yyflattables {
	/** The table the layout was made from, to tell a stale layout from a current one. */
	final yystateaction source[];
	/** base, lookahead (0 or 1), type, sr per state. */
	final int stateaction[];
	/** check, type, sr per entry. */
	final int tokenaction[];
	/** base, def per state. */
	final int stategoto[];
	/** check, next per entry. */
	final int nontermgoto[];
	/** nonterm, length, action per rule. */
	final int reduction[];

	private static final ClassValue<yyflattables[]> LAYOUTS = new ClassValue<yyflattables[]>() {
		@Override
		protected yyflattables[] computeValue(Class<?> type) {
			return new yyflattables[1];
		}
	};

	/** The layout of the parser's tables, made on first use by its class. */
	static yyflattables of(yyparser parser) {
		yyflattables slot[] = LAYOUTS.get(parser.getClass());
		synchronized (slot) {
			if (slot[0] == null || slot[0].source != parser.yystateaction) {
				slot[0] = new yyflattables(parser);
			}
			return slot[0];
		}
	}

	private yyflattables(yyparser parser) {
		source = parser.yystateaction;
		stateaction = new int[source.length * 4];
		for (int i = 0; i < source.length; i++) {
			stateaction[4 * i] = source[i].base;
			stateaction[4 * i + 1] = source[i].lookahead ? 1 : 0;
			stateaction[4 * i + 2] = source[i].type;
			stateaction[4 * i + 3] = source[i].sr;
		}
		tokenaction = new int[parser.yytokenaction.length * 3];
		for (int i = 0; i < parser.yytokenaction.length; i++) {
			tokenaction[3 * i] = parser.yytokenaction[i].check;
			tokenaction[3 * i + 1] = parser.yytokenaction[i].type;
			tokenaction[3 * i + 2] = parser.yytokenaction[i].sr;
		}
		stategoto = new int[parser.yystategoto.length * 2];
		for (int i = 0; i < parser.yystategoto.length; i++) {
			stategoto[2 * i] = parser.yystategoto[i].base;
			stategoto[2 * i + 1] = parser.yystategoto[i].def;
		}
		nontermgoto = new int[parser.yynontermgoto.length * 2];
		for (int i = 0; i < parser.yynontermgoto.length; i++) {
			nontermgoto[2 * i] = parser.yynontermgoto[i].check;
			nontermgoto[2 * i + 1] = parser.yynontermgoto[i].next;
		}
		reduction = new int[parser.yyreduction.length * 3];
		for (int i = 0; i < parser.yyreduction.length; i++) {
			reduction[3 * i] = parser.yyreduction[i].nonterm;
			reduction[3 * i + 1] = parser.yyreduction[i].length;
			reduction[3 * i + 2] = parser.yyreduction[i].action;
		}
	}
}
