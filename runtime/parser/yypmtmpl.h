/* Declarations of one multiple-model parser width. The including header
   defines YYPN(stem) to the width's plain prefix (yy, yyw), YYPM(stem) to
   its object prefix (yym, yywm) and YYPCHAR to its character type; no guard,
   because each width includes it once. */

#ifdef __cplusplus
extern "C" {
#endif

/* The integer tables keep their plain names in the generated source; only
   the row structures take the object prefix. */
typedef int YYPN(stack_t);
typedef int YYPN(cstateaction_t);
typedef int YYPN(cstategoto_t);
typedef int YYPN(destructor_t);
typedef int YYPN(tokendestbase_t);
typedef int YYPM(stack_t);

typedef struct {
	int check;	/* owning state, -1 for a filler */
	int type;	/* YYAT_ kind */
	int sr;		/* state shifted to or rule reduced */
} YYPM(tokenaction_t);

typedef struct {
	int base;	/* where the state's tokens start in the token action table */
	int lookahead;	/* 0 when the state has no token actions of its own */
	int type;	/* kind applied to a token the state does not list */
	int sr;
} YYPM(stateaction_t);

typedef struct {
	int token;	/* YYTK_ALL closes the run and holds the default */
	int type;
	int sr;
} YYPM(ctokenaction_t);

typedef struct {
	int check;	/* owning state, -1 for a filler */
	int next;	/* target state, -1 for an error goto */
} YYPM(nontermgoto_t);

typedef struct {
	int base;
	int def;	/* state whose gotos apply otherwise, -1 for none */
} YYPM(stategoto_t);

typedef struct {
	int nonterm;	/* -1 closes the run and holds the default state */
	int next;
} YYPM(cnontermgoto_t);

typedef struct {
	int nonterm;
	int length;
	int action;	/* case of the action function, -1 for none */
} YYPM(reduction_t);

typedef struct {
	int check;	/* run index, -1 for a filler */
	int action;
} YYPM(tokendest_t);

typedef struct {
	int token;	/* -1 closes the table */
	int action;
} YYPM(ctokendest_t);

typedef struct {
	YYCONST YYPCHAR *name;
	int token;
} YYPM(symbol_t);

/* The engine reads the table members through these names. */
typedef YYPN(cstateaction_t) YYPM(cstateaction_t);
typedef YYPN(cstategoto_t) YYPM(cstategoto_t);
typedef YYPN(destructor_t) YYPM(destructor_t);
typedef YYPN(tokendestbase_t) YYPM(tokendestbase_t);

/* Members in the order the generated initialiser writes them. The debug
   members close the structure, so an object built without YYDEBUG is a
   prefix of one built with it and the library, which reads only that
   prefix, serves both. */
typedef struct YYPM(parser) {
	int yymlookahead;	/* whether yymchar holds a token */
	int yymstackgrow;	/* 0 keeps the stack at its initial size */
	int yymexitflg;
	int yymretireflg;
	int yymerrorflg;
	int yympopflg;
	int yymwipeflg;
	int yymtop;		/* index of the top stack entry */
	int yymchar;		/* current lookahead token */
	int yymskip;		/* shifts left before errors are reported again */
	int yymerrorcount;
	int yymexitcode;
	int yymretirecode;
	int yymerrorpop;
	FILE *yymerr;		/* NULL means stderr */
	YYPM(stack_t) YYFAR *yymstackptr;
	YYPM(stack_t) YYFAR *yymsstackptr;
	int yymstack_size;
	int yymsstack_size;
	int yymstack_max;	/* 0: no limit */
	size_t yymattribute_size;
	void YYFAR *yymvalptr;
	void YYFAR *yymlvalptr;
	void YYFAR *yymattributestackptr;
	void YYFAR *yymsattributestackptr;
	int (YYCDECL *yymgettoken)(struct YYPM(parser) YYFAR *yy);
	void (YYCDECL *yymdiscard)(struct YYPM(parser) YYFAR *yy, int token);
	void (YYCDECL *yymsyntaxerror)(struct YYPM(parser) YYFAR *yy);
	void (YYCDECL *yymstackoverflow)(struct YYPM(parser) YYFAR *yy);
	void (YYCDECL *yymerror)(struct YYPM(parser) YYFAR *yy, YYCONST char YYFAR *text);
	void (YYCDECL *yymaction)(struct YYPM(parser) YYFAR *yy, int action);
	YYCONST YYPM(stateaction_t) YYNEARFAR *yymstateaction;
	YYCONST YYPM(tokenaction_t) YYNEARFAR *yymtokenaction;
	int yymtokenaction_size;
	YYCONST YYPM(stategoto_t) YYNEARFAR *yymstategoto;
	YYCONST YYPM(nontermgoto_t) YYNEARFAR *yymnontermgoto;
	int yymnontermgoto_size;
	YYCONST YYPM(tokendest_t) YYNEARFAR *yymtokendestptr;
	int yymtokendest_size;
	YYCONST YYPM(tokendestbase_t) YYNEARFAR *yymtokendestbaseptr;
	int yymtokendestbase_size;
	YYCONST YYPM(cstateaction_t) YYNEARFAR *yymcstateaction;
	YYCONST YYPM(ctokenaction_t) YYNEARFAR *yymctokenaction;
	YYCONST YYPM(cstategoto_t) YYNEARFAR *yymcstategoto;
	YYCONST YYPM(cnontermgoto_t) YYNEARFAR *yymcnontermgoto;
	YYCONST YYPM(ctokendest_t) YYNEARFAR *yymctokendestptr;
	YYCONST YYPM(reduction_t) YYNEARFAR *yymreduction;
	YYCONST YYPM(destructor_t) YYNEARFAR *yymdestructorptr;
	void YYFAR *yymlexerptr;	/* the scanner object, when there is one */
	void YYFAR *yymdata;		/* the program's own, untouched */
#ifdef YYDEBUG
	int yymdebug;
	int yymdebugstack;
	int yymdebugflush;
	FILE *yymdebugout;	/* NULL means stdout */
	YYCONST YYPM(symbol_t) YYNEARFAR *yymsymbol;
	YYCONST YYPCHAR *YYCONST YYNEARFAR *yymrule;
#endif
} YYPM(parser_t);

/* Parses with the object; 0 on success. The -mm object is ready as the
   generated source defines it; a -mi object is first created from the
   generated constant one. */
int YYCDECL YYPM(parse)(YYPM(parser_t) YYFAR *yy);
/* Copies src into yy and gives yy its own stacks and values; nonzero on
   success. Only a created object may be destroyed. Copy a -mi object: the
   actions of a -mm grammar name its object itself, so a copy of that
   object would run them on the original's values. */
int YYCDECL YYPM(createparser)(YYPM(parser_t) YYFAR *yy, YYCONST YYPM(parser_t) YYFAR *src);
void YYCDECL YYPM(destroyparser)(YYPM(parser_t) YYFAR *yy);
void YYCDECL YYPM(exit)(YYPM(parser_t) YYFAR *yy, int exitcode);
void YYCDECL YYPM(forceerror)(YYPM(parser_t) YYFAR *yy);
void YYCDECL YYPM(clearlookahead)(YYPM(parser_t) YYFAR *yy);

/* Hook defaults, each in its own archive member so that a program's own
   definition replaces it. The default token source scans with the scanner
   object in yymlexerptr (a multiple-model Lindle scanner of the same width)
   and, without one, calls the program's yacc lexer yylex(); a program that
   needs something else installs its own hook by defining YYMGETTOKEN before
   the generated defaults. */
int YYCDECL YYPM(gettoken)(YYPM(parser_t) YYFAR *yy);
void YYCDECL YYPM(discard)(YYPM(parser_t) YYFAR *yy, int token);
void YYCDECL YYPM(syntaxerror)(YYPM(parser_t) YYFAR *yy);
void YYCDECL YYPM(stackoverflow)(YYPM(parser_t) YYFAR *yy);
/* Writes the text and a newline to the object's yymerr. */
void YYCDECL YYPM(parsererror)(YYPM(parser_t) YYFAR *yy, YYCONST char YYFAR *text);

int YYCDECL yylex(void);

#ifdef __cplusplus
}
#endif
