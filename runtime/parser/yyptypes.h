/* The row types of the parser tables for one width, shared by the C and
   C++ interfaces. The including header defines YYPN(stem) to paste the
   width's prefix and YYPCHAR to its character type; no guard, since each
   width includes it once. */
typedef int YYPN(stack_t);

/* One row type per table; the field order follows the generated rows. */
typedef struct {
	int check;	/* owning state, -1 for a filler */
	int type;	/* YYAT_ kind */
	int sr;		/* state shifted to or rule reduced */
} YYPN(tokenaction_t);

typedef struct {
	int base;	/* where the state's tokens start in the token action table */
	int lookahead;	/* 0 when the state has no token actions of its own */
	int type;	/* kind applied to a token the state does not list */
	int sr;
} YYPN(stateaction_t);

typedef struct {
	int token;	/* YYTK_ALL closes the run and holds the default */
	int type;
	int sr;
} YYPN(ctokenaction_t);

typedef int YYPN(cstateaction_t);

typedef struct {
	int check;	/* owning state, -1 for a filler */
	int next;	/* target state, -1 for an error goto */
} YYPN(nontermgoto_t);

typedef struct {
	int base;
	int def;	/* state whose gotos apply otherwise, -1 for none */
} YYPN(stategoto_t);

typedef struct {
	int nonterm;	/* -1 closes the run and holds the default state */
	int next;
} YYPN(cnontermgoto_t);

typedef int YYPN(cstategoto_t);

typedef struct {
	int nonterm;
	int length;
	int action;	/* case of the action function, -1 for none */
} YYPN(reduction_t);

typedef int YYPN(destructor_t);

typedef struct {
	int check;	/* run index, -1 for a filler */
	int action;
} YYPN(tokendest_t);

typedef int YYPN(tokendestbase_t);

typedef struct {
	int token;	/* -1 closes the table */
	int action;
} YYPN(ctokendest_t);

typedef struct {
	YYCONST YYPCHAR *name;
	int token;
} YYPN(symbol_t);

