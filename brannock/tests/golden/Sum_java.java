/****************************************************************************
* Sum.java
* Java source file generated from Sum.y.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Brannock Version: 2.07
****************************************************************************/

import yl.*;

/////////////////////////////////////////////////////////////////////////////
// Sum

public class Sum extends yyfparser {
// line 2 "Sum.y"

	private int count;

// line 22 "Sum.java"
	public Sum() {
		yytables();
// line 5 "Sum.y"

	count = 0;

// line 29 "Sum.java"
	}

	public class YYSTYPE extends yyattribute {
// line 9 "Sum.y"

	public int value;

// line 37 "Sum.java"
	}

	public static final int NUM = 65537;
	protected final YYSTYPE yyattribute(int index) {
		YYSTYPE attribute = (YYSTYPE)yyattributestackref[yytop + index];
		return attribute;
	}

	protected final yyattribute yynewattribute() {
		return new YYSTYPE();
	}

	protected final YYSTYPE[] yyinitdebug(int count) {
		YYSTYPE a[] = new YYSTYPE[count];
		for (int i = 0; i < count; i++) {
			a[i] = (YYSTYPE)yyattributestackref[yytop + i - (count - 1)];
		}
		return a;
	}

	protected static yyftables yytables = null;

	public final void yyaction(int action) {
		switch (action) {
		case 0:
			{
// line 19 "Sum.y"
 ((YYSTYPE)yyvalref).value = 0; 
// line 66 "Sum.java"
			}
			break;
		case 1:
			{
				YYSTYPE yya[];
				if (YYDEBUG) {
					yya = yyinitdebug(4);
				}
// line 21 "Sum.y"
 ((YYSTYPE)yyvalref).value = yyattribute(1 - 3).value + yyattribute(3 - 3).value; count++; 
// line 77 "Sum.java"
			}
			break;
		case 2:
			{
				YYSTYPE yya[];
				if (YYDEBUG) {
					yya = yyinitdebug(2);
				}
// line 23 "Sum.y"
 ((YYSTYPE)yyvalref).value = 0; 
// line 88 "Sum.java"
			}
			break;
		default:
			break;
		}
	}

	protected final void yytables() {
		yysstack_size = 100;
		yystack_max = 0;

		yycreatetables();
		yysymbol = yytables.yysymbol;
		yyrule = yytables.yyrule;
		yyreduction = yytables.yyreduction;
		yytokenaction = yytables.yytokenaction;
		yystateaction = yytables.yystateaction;
		yynontermgoto = yytables.yynontermgoto;
		yystategoto = yytables.yystategoto;
		yydestructorref = yytables.yydestructorref;
		yytokendestref = yytables.yytokendestref;
		yytokendestbaseref = yytables.yytokendestbaseref;
	}

	public static synchronized final void yycreatetables() {
		if (yytables == null) {
			yytables = new yyftables();

			if (YYDEBUG) {
				final yysymbol symbol[] = {
					new yysymbol("$end", 0),
					new yysymbol("\'+\'", 43),
					new yysymbol("error", 65536),
					new yysymbol("NUM", 65537),
					new yysymbol(null, 0)
				};
				yytables.yysymbol = symbol;

				final String rule[] = {
					"$accept: sum",
					"sum: sum \'+\' sum",
					"sum: NUM",
					"sum: error"
				};
				yytables.yyrule = rule;
			}

			final yyreduction reduction[] = {
				new yyreduction(0, 1, -1),
				new yyreduction(1, 3, 1),
				new yyreduction(1, 1, -1),
				new yyreduction(1, 1, 2)
			};
			yytables.yyreduction = reduction;

			final yytokenaction tokenaction[] = {
				new yytokenaction(3, YYAT_ACCEPT, 0),
				new yytokenaction(4, YYAT_SHIFT, 1),
				new yytokenaction(4, YYAT_SHIFT, 2),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(-1, YYAT_ERROR, 0),
				new yytokenaction(3, YYAT_SHIFT, 4)
			};
			yytables.yytokenaction = tokenaction;

			final yystateaction stateaction[] = {
				new yystateaction(0, false, YYAT_DEFAULT, 4),
				new yystateaction(0, false, YYAT_REDUCE, 3),
				new yystateaction(0, false, YYAT_REDUCE, 2),
				new yystateaction(0, true, YYAT_ERROR, 0),
				new yystateaction(-65535, true, YYAT_ERROR, 0),
				new yystateaction(0, false, YYAT_REDUCE, 1)
			};
			yytables.yystateaction = stateaction;

			final yynontermgoto nontermgoto[] = {
				new yynontermgoto(4, 5),
				new yynontermgoto(0, 3)
			};
			yytables.yynontermgoto = nontermgoto;

			final yystategoto stategoto[] = {
				new yystategoto(0, -1),
				new yystategoto(0, -1),
				new yystategoto(0, -1),
				new yystategoto(0, -1),
				new yystategoto(-1, -1),
				new yystategoto(0, -1)
			};
			yytables.yystategoto = stategoto;

			final short destructor[] = {
				-1,
				-1,
				0,
				0,
				-1,
				0
			};
			yytables.yydestructorref = destructor;

			final yytokendest tokendest[] = {
				new yytokendest(0, 0)
			};
			yytables.yytokendestref = tokendest;

			final int tokendestbase[] = {
				-65537
			};
			yytables.yytokendestbaseref = tokendestbase;

		}
	}
}
