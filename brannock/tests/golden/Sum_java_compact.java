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

public class Sum extends yycparser {
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

	protected static yyctables yytables = null;

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
		yyctokenaction = yytables.yyctokenaction;
		yycstateaction = yytables.yycstateaction;
		yycnontermgoto = yytables.yycnontermgoto;
		yycstategoto = yytables.yycstategoto;
		yydestructorref = yytables.yydestructorref;
		yyctokendestref = yytables.yyctokendestref;
	}

	public static synchronized final void yycreatetables() {
		if (yytables == null) {
			yytables = new yyctables();

			if (YYDEBUG) {
				final yysymbol symbol[] = {
					new yysymbol("$end", 0),
					new yysymbol("\'+\'", '+'),
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

			final yyctokenaction ctokenaction[] = {
				new yyctokenaction(YYTK_ERROR, YYAT_SHIFT, 1),
				new yyctokenaction(NUM, YYAT_SHIFT, 2),
				new yyctokenaction(YYTK_ALL, YYAT_ERROR, 0),
				new yyctokenaction(0, YYAT_ACCEPT, 0),
				new yyctokenaction('+', YYAT_SHIFT, 4),
				new yyctokenaction(YYTK_ALL, YYAT_ERROR, 0),
				new yyctokenaction(YYTK_ALL, YYAT_REDUCE, 1),
				new yyctokenaction(YYTK_ALL, YYAT_REDUCE, 2),
				new yyctokenaction(YYTK_ALL, YYAT_REDUCE, 3),
				new yyctokenaction(YYTK_ALL, YYAT_DEFAULT, 4)
			};
			yytables.yyctokenaction = ctokenaction;

			final short cstateaction[] = {
				9,
				8,
				7,
				3,
				0,
				6
			};
			yytables.yycstateaction = cstateaction;

			final yycnontermgoto cnontermgoto[] = {
				new yycnontermgoto(1, 5),
				new yycnontermgoto(-1, -1),
				new yycnontermgoto(1, 3),
				new yycnontermgoto(-1, -1)
			};
			yytables.yycnontermgoto = cnontermgoto;

			final short cstategoto[] = {
				2,
				1,
				1,
				1,
				0,
				1
			};
			yytables.yycstategoto = cstategoto;

			final short destructor[] = {
				-1,
				-1,
				0,
				0,
				-1,
				0
			};
			yytables.yydestructorref = destructor;

			final yyctokendest ctokendest[] = {
				new yyctokendest(NUM, 0),
				new yyctokendest(-1, 0)
			};
			yytables.yyctokendestref = ctokendest;

		}
	}
}
