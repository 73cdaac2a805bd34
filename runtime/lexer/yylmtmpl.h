/* Declarations of one multiple-model scanner width. The including header
   defines YYLN(stem) to the width's plain prefix (yy, yyw), YYLM(stem) to
   its object prefix (yym, yywm), YYLCHAR to the element type of the text
   and YYLINT to the type an action returns; no guard, because each width
   includes it once. */

#ifdef __cplusplus
extern "C" {
#endif

/* The match and backup tables keep their plain types; the rows of the
   other tables take the object prefix. */
typedef YYLN(state_t) YYLM(state_t);
typedef YYLN(transition_t) YYLM(transition_t);
typedef YYLN(ctransition_t) YYLM(ctransition_t);

/* Members in the order the generated initialiser writes them. The trace
   members and the library's own close the structure: an initialiser that
   stops before them leaves them zero, which is what the library expects
   of an object that has not scanned yet. */
typedef struct YYLM(lexer) {
	int yymmoreflg;
	int yymrejectflg;
	int yymreturnflg;
	int yymtextgrow;	/* 0 keeps the text buffer at its size */
	int yymunputgrow;
	int yymeol;		/* the next character begins a line */
	int yymoldeol;		/* the same, where the token began */
	int yymstart;		/* start condition: twice its number */
	FILE *yymin;		/* NULL means stdin */
	FILE *yymout;		/* NULL means stdout */
	FILE *yymerr;		/* NULL means stderr */
	int yymleng;
	int yymlineno;
	int yymunputindex;	/* characters waiting in the unput buffer */
	YYLCHAR YYFAR *yymtext;
	YYLCHAR YYFAR *yymstext;
	int yymtext_size;
	int yymstext_size;
	int yymtext_max;	/* 0: no maximum */
	int YYFAR *yymstatebuf;
	int YYFAR *yymsstatebuf;
	int YYFAR *yymunputbufptr;
	int YYFAR *yymsunputbufptr;
	int yymunput_size;
	int yymsunput_size;
	int yymunput_max;	/* 0: no maximum */
	int (YYCDECL *yymgetchar)(struct YYLM(lexer) YYFAR *yy);
	int (YYCDECL *yyminput)(struct YYLM(lexer) YYFAR *yy);
	void (YYCDECL *yymoutput)(struct YYLM(lexer) YYFAR *yy, int ch);
	void (YYCDECL *yymunput)(struct YYLM(lexer) YYFAR *yy, int ch);
	int (YYCDECL *yymwrap)(struct YYLM(lexer) YYFAR *yy);
	void (YYCDECL *yymtextoverflow)(struct YYLM(lexer) YYFAR *yy);
	void (YYCDECL *yymunputoverflow)(struct YYLM(lexer) YYFAR *yy);
	void (YYCDECL *yymerror)(struct YYLM(lexer) YYFAR *yy, YYCONST char YYFAR *text);
	YYLINT (YYCDECL *yymaction)(struct YYLM(lexer) YYFAR *yy, int action);
	YYCONST YYLM(transition_t) YYNEARFAR *yymtransition;
	int yymtransitionmax;
	YYCONST YYLM(ctransition_t) YYNEARFAR *yymctransition;
	YYCONST YYLN(match_t) YYNEARFAR *yymmatch;
	YYCONST YYLM(state_t) YYNEARFAR *yymstate;
	YYCONST YYLN(backup_t) YYNEARFAR *yymbackup;
	void YYFAR *yymparserptr;	/* the parser object, when there is one */
	void YYFAR *yymdata;		/* the program's own, untouched */
	int yymdebug;			/* nonzero traces each token */
	int yymdebugflush;
	FILE *yymdebugout;		/* NULL means stdout */
	/* The library's: code units decoded ahead of the scan (Unicode), a
	   first half of a surrogate pair waiting to be written, and the
	   transitions the scan has looked up, which a created object frees
	   when it is destroyed. */
	int yympending[3];
	int yympendingcount;
	int yymoutpending;
	void YYFAR *yymcache;	/* transitions looked up so far */
} YYLM(lexer_t);

/* Scans the next token with the object: what an action returns, or 0 at
   the end. The -mm object is ready as the generated source defines it; a
   -mi object is first created from the generated constant one. */
int YYCDECL YYLM(lex)(YYLM(lexer_t) YYFAR *yy);
/* Copies src into yy and gives yy its own buffers; nonzero on success.
   Only a created object may be destroyed. */
int YYCDECL YYLM(createlexer)(YYLM(lexer_t) YYFAR *yy, YYCONST YYLM(lexer_t) YYFAR *src);
void YYCDECL YYLM(destroylexer)(YYLM(lexer_t) YYFAR *yy);
/* Makes yy scan a new input from its start state, keeping its buffers. */
void YYCDECL YYLM(resetlexer)(YYLM(lexer_t) YYFAR *yy);
void YYCDECL YYLM(less)(YYLM(lexer_t) YYFAR *yy, int n);
void YYCDECL YYLM(echo)(YYLM(lexer_t) YYFAR *yy);

/* Hook defaults, which the generated object names unless the program names
   its own through YYMGETCHAR and the like. */
int YYCDECL YYLM(getchar)(YYLM(lexer_t) YYFAR *yy);
int YYCDECL YYLM(input)(YYLM(lexer_t) YYFAR *yy);
void YYCDECL YYLM(output)(YYLM(lexer_t) YYFAR *yy, int ch);
void YYCDECL YYLM(unput)(YYLM(lexer_t) YYFAR *yy, int ch);
int YYCDECL YYLM(wrap)(YYLM(lexer_t) YYFAR *yy);
void YYCDECL YYLM(textoverflow)(YYLM(lexer_t) YYFAR *yy);
void YYCDECL YYLM(unputoverflow)(YYLM(lexer_t) YYFAR *yy);
/* Writes the text and a newline to the object's yymerr. */
void YYCDECL YYLM(lexererror)(YYLM(lexer_t) YYFAR *yy, YYCONST char YYFAR *text);

#ifdef __cplusplus
}
#endif
