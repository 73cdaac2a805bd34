/* Declarations of one C++ scanner width. The including header defines
   YYLN(stem) to paste the width's prefix (yy, yyw), YYLCHAR to the element
   type of the text and YYLINT to the type an action returns; no guard,
   because each width includes it once. */

namespace yl {

class YYLN(parser);

/* What the generated class derives from, through yyflexer or yyclexer: the
   scanner's state, the table members that the generated yytables()
   assigns, and the hooks a program overrides. The state and the tables
   are public because the engine, which C and C++ share, reads them from
   outside the class; the members keep their lex names in both widths. */
class YYLN(lexer) {
public:
	/* The row types again, so that the generated member functions find
	   them without "using namespace yl". */
	typedef _YL YYLN(match_t) YYLN(match_t);
	typedef _YL YYLN(backup_t) YYLN(backup_t);
	typedef _YL YYLN(state_t) YYLN(state_t);
	typedef _YL YYLN(transition_t) YYLN(transition_t);
	typedef _YL YYLN(ctransition_t) YYLN(ctransition_t);

	/* The truth values the generated action function assigns. */
	enum { yyfalse = 0, yytrue = 1 };

	YYLN(lexer)();
	virtual ~YYLN(lexer)();

	/* Allocates the text and unput buffers of yystext_size and
	   yysunput_size entries and ties the scanner to the parser that reads
	   its tokens, if any; yylex() allocates them when that was not done.
	   Returns 0 when memory runs out. */
	int yycreate(YYLN(parser) YYFAR *parserptr = NULL);
	/* Frees what yycreate() and the scans allocated. */
	void yydestroy();
	/* Scans the next token: what an action returns, or 0 at the end. */
	int yylex();
	/* Makes the scanner read a new input from its start, keeping its
	   buffers and hooks. */
	void yyreset();

	/* Controls for actions. */
	/* Keeps the first n characters of the token and gives back the rest. */
	void yyless(int n);
	/* Writes the token to the output (ECHO). */
	void yyecho();
	/* The parser's value of the token, which an action fills; NULL
	   without a parser. */
	void YYFAR *yylvalue() const;

	/* Hooks, each to be replaced as the program needs: the next character
	   of the input (EOF at its end), the same after the characters given
	   back, writing a character, giving one back, what to do at the end of
	   the input (nonzero: stop), the reports of buffers that reached their
	   maximum, and where reports go (yyerr). A Unicode scanner reads UTF-8
	   and writes it back. */
	virtual int yygetchar();
	virtual int yyinput();
	virtual void yyoutput(int ch);
	virtual void yyunput(int ch);
	virtual int yywrap();
	virtual void yytextoverflow();
	virtual void yyunputoverflow();
	virtual void yyerror(const char YYFAR *text);

	/* What the generated class defines. */
	virtual YYLINT yyaction(int action) = 0;
	/* Nonzero when the class keeps the library's yygetchar(), yyinput()
	   and yyunput(), so that the scan may read around them; a class of
	   unknown hooks says 0. */
	virtual int yylibraryhooks() const;

	/* Scanner state. */
	FILE *yyin;		/* NULL means stdin */
	FILE *yyout;		/* NULL means stdout */
	FILE *yyerr;		/* NULL means stderr */
	int yyleng;
	int yylineno;
	int yystart;		/* start condition: twice its number */
	int yyeol;		/* the next character begins a line */
	int yyoldeol;		/* the same, where the token began */
	int yymoreflg;
	int yyrejectflg;
	int yyreturnflg;
	int yytextgrow;		/* 0 keeps the text buffer at its size */
	int yyunputgrow;
	int yyunputindex;	/* characters waiting in the unput buffer */
	int yydebug;		/* nonzero traces each token */
	int yydebugflush;
	FILE *yydebugout;	/* NULL means stdout */
	YYLN(parser) YYFAR *yyparserptr;

	/* Buffers: the s forms are those yycreate() makes; a buffer grows into
	   the heap up to its maximum (0: no maximum). */
	YYLCHAR YYFAR *yytext;
	YYLCHAR YYFAR *yystext;
	int yytext_size;
	int yystext_size;
	int yytext_max;
	int YYFAR *yystatebuf;
	int YYFAR *yysstatebuf;
	int YYFAR *yyunputbufptr;
	int YYFAR *yysunputbufptr;
	int yyunput_size;
	int yysunput_size;
	int yyunput_max;

	/* Tables, set by the generated yytables(); a scanner has either the
	   fast or the compact transitions. */
	const YYLN(match_t) YYNEARFAR *yymatch;
	const YYLN(backup_t) YYNEARFAR *yybackup;
	const YYLN(state_t) YYNEARFAR *yystate;
	int yytransitionmax;
	const YYLN(transition_t) YYNEARFAR *yytransition;
	const YYLN(ctransition_t) YYNEARFAR *yyctransition;

	/* The library's: code units decoded ahead of the scan (Unicode), a
	   first half of a surrogate pair waiting to be written, and the
	   transitions the scan has looked up. */
	int yypending[3];
	int yypendingcount;
	int yyoutpending;
	void YYFAR *yycache;	/* transitions looked up so far */
	int yyfasthooks;	/* yylibraryhooks(), asked once the object is made */

protected:
	/* 1 for a hook that a class inherits from here, 0 for its own, which
	   the generated yylibraryhooks() asks of its class's hooks. */
	static int yyinherited(int (YYLN(lexer)::*)()) { return 1; }
	template <class T> static int yyinherited(int (T::*)()) { return 0; }
	static int yyinherited(void (YYLN(lexer)::*)(int)) { return 1; }
	template <class T> static int yyinherited(void (T::*)(int)) { return 0; }

private:
	YYLN(lexer)(const YYLN(lexer) &);
	YYLN(lexer) &operator=(const YYLN(lexer) &);
};

/* The two table forms differ only in which members yytables() sets. */
class YYLN(flexer) : public YYLN(lexer) {
};

class YYLN(clexer) : public YYLN(lexer) {
};

} /* namespace yl */
