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

public class Scanner extends yyclexer {
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

	protected static yyctables yytables = null;

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
		yyctransition = yytables.yyctransition;
		yystate = yytables.yystate;
		yybackup = yytables.yybackup;
	}

	public static synchronized final void yycreatetables() {
		if (yytables == null) {
			yytables = new yyctables();

			final short match[] = {
				0,
				-7,
				0
			};
			yytables.yymatch = match;

			final yyctransition ctransition[] = {
				new yyctransition(0, 0, -1),
				new yyctransition(62, 62, 7),
				new yyctransition(0, 0, -1),
				new yyctransition(42, 42, 15),
				new yyctransition(0, 0, -1),
				new yyctransition(48, 57, 10),
				new yyctransition(0, 0, -1),
				new yyctransition(98, 98, 16),
				new yyctransition(0, 0, -1),
				new yyctransition(104, 104, 18),
				new yyctransition(0, 0, -1),
				new yyctransition(99, 99, 19),
				new yyctransition(0, 0, -1),
				new yyctransition(101, 101, 17),
				new yyctransition(0, 0, -1),
				new yyctransition(100, 100, 20),
				new yyctransition(0, 0, -1),
				new yyctransition(10, 10, 8),
				new yyctransition(47, 47, 9),
				new yyctransition(48, 57, 10),
				new yyctransition(60, 60, 11),
				new yyctransition(62, 62, 21),
				new yyctransition(97, 97, 12),
				new yyctransition(104, 104, 13),
				new yyctransition(115, 115, 14),
				new yyctransition(0, 0, -1),
				new yyctransition(42, 42, 23),
				new yyctransition(0, 0, -1),
				new yyctransition(47, 47, 24),
				new yyctransition(0, 0, -1)
			};
			yytables.yyctransition = ctransition;

			final yystate state[] = {
				new yystate(0, 0, 0),
				new yystate(3, 1, 9),
				new yystate(1, 0, 9),
				new yystate(-7, 17, 9),
				new yystate(3, 0, 9),
				new yystate(-22, 26, 0),
				new yystate(5, 0, 0),
				new yystate(0, 0, 11),
				new yystate(0, 0, 10),
				new yystate(0, 3, 11),
				new yystate(0, 5, 1),
				new yystate(0, 0, 2),
				new yystate(0, 7, 11),
				new yystate(18, 0, 11),
				new yystate(0, 9, 11),
				new yystate(0, 0, 4),
				new yystate(0, 11, -1),
				new yystate(0, 0, 8),
				new yystate(0, 13, 0),
				new yystate(0, 15, 0),
				new yystate(0, 0, 7),
				new yystate(0, 0, 3),
				new yystate(0, 0, 6),
				new yystate(0, 28, 6),
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
