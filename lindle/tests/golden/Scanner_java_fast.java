/****************************************************************************
* Scanner.java
* Java source file generated from Scanner.l.
* 
* Date: 01/01/70
* Time: 00:00:00
* 
* Lindle Version: 2.07
****************************************************************************/

// line 1 "Scanner.l"

// counts what it meets

// line 16 "Scanner.java"
import yl.*;

/////////////////////////////////////////////////////////////////////////////
// Scanner

public class Scanner extends yyflexer {
// line 5 "Scanner.l"

	// members
	public int numbers;

// line 28 "Scanner.java"
	public Scanner() {
		yytables();
// line 9 "Scanner.l"

	// constructor
	numbers = 0;

// line 36 "Scanner.java"
	}

	public static final int TAG = 2;
	public static final int COMMENT = 4;
	public static final int INITIAL = 0;

	protected static yyftables yytables = null;

	public final int yyaction(int action) {
		yyreturnflg = true;
		switch (action) {
		case 1:
			{
// line 16 "Scanner.l"
{ numbers++; }
// line 52 "Scanner.java"
			}
			break;
		case 2:
			{
// line 17 "Scanner.l"
yybegin(TAG);
// line 59 "Scanner.java"
			}
			break;
		case 3:
			{
// line 18 "Scanner.l"
{ yybegin(INITIAL); }
// line 66 "Scanner.java"
			}
			break;
		case 4:
			{
// line 19 "Scanner.l"
yybegin(COMMENT);
// line 73 "Scanner.java"
			}
			break;
		case 5:
			{
// line 20 "Scanner.l"
yybegin(INITIAL);
// line 80 "Scanner.java"
			}
			break;
		case 6:
			{
// line 21 "Scanner.l"
;
// line 87 "Scanner.java"
			}
			break;
		case 7:
			{
// line 23 "Scanner.l"
return 2;
// line 94 "Scanner.java"
			}
		case 8:
			{
// line 24 "Scanner.l"
{ yymore(); return yyreject(); }
// line 100 "Scanner.java"
			}
		case 9:
			{
// line 25 "Scanner.l"
return 0;
// line 106 "Scanner.java"
			}
		case 10:
			{
// line 26 "Scanner.l"
{ return 3; }
// line 112 "Scanner.java"
			}
		case 11:
			{
// line 27 "Scanner.l"
return 4;
// line 118 "Scanner.java"
			}
		default:
			break;
		}
		yyreturnflg = false;
		return 0;
	}

	protected final void yytables() {
		yystext_size = 100;
		yysunput_size = 100;
		yytext_max = 0;
		yyunput_max = 0;

		yycreatetables();
		yymatch = yytables.yymatch;
		yytransition = yytables.yytransition;
		yystate = yytables.yystate;
		yybackup = yytables.yybackup;
	}

	public static synchronized final void yycreatetables() {
		if (yytables == null) {
			yytables = new yyftables();

			final short match[] = {
				0,
				-7,
				0
			};
			yytables.yymatch = match;

			final yytransition transition[] = {
				new yytransition(8, 3),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(10, 10),
				new yytransition(7, 1),
				new yytransition(15, 9),
				new yytransition(16, 12),
				new yytransition(18, 14),
				new yytransition(19, 16),
				new yytransition(17, 18),
				new yytransition(20, 19),
				new yytransition(23, 5),
				new yytransition(24, 23),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(9, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(10, 3),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(11, 3),
				new yytransition(0, 0),
				new yytransition(21, 3),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(12, 3),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(13, 3),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(0, 0),
				new yytransition(14, 3)
			};
			yytables.yytransition = transition;

			final yystate state[] = {
				new yystate(0, 0, 0),
				new yystate(3, -51, 9),
				new yystate(1, 0, 9),
				new yystate(-7, -10, 9),
				new yystate(3, 0, 9),
				new yystate(-22, -24, 0),
				new yystate(5, 0, 0),
				new yystate(0, 0, 11),
				new yystate(0, 0, 10),
				new yystate(0, -30, 11),
				new yystate(0, -47, 1),
				new yystate(0, 0, 2),
				new yystate(0, -85, 11),
				new yystate(18, 0, 11),
				new yystate(0, -90, 11),
				new yystate(0, 0, 4),
				new yystate(0, -84, -1),
				new yystate(0, 0, 8),
				new yystate(0, -85, 0),
				new yystate(0, -83, 0),
				new yystate(0, 0, 7),
				new yystate(0, 0, 3),
				new yystate(0, 0, 6),
				new yystate(0, -28, 6),
				new yystate(0, 0, 5)
			};
			yytables.yystate = state;

			final boolean backup[] = {
				false,
				false,
				false,
				false,
				false,
				false,
				false,
				true,
				false,
				false,
				false,
				false
			};
			yytables.yybackup = backup;
		}
	}
}
