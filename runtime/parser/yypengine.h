/* The parsing engine, compiled once per width and parser model: the
   including source defines YYPN, YYPCHAR, YYPTK_ERROR, YYPTK_ALL and
   YYPTRACESTR (the printf conversion of the width's strings) and includes
   the width's header first. A source for the multiple models also defines
   YYPMULTI and the access macros below, so that every name reaches the
   parser object instead of the file-scope variables. Not installed. */

#include <stdlib.h>
#include <string.h>

#ifndef YYPMULTI
/* The single model keeps its state in globals named by the width. */
#define YYPV(stem) YYPN(stem)
#define YYPF(stem) YYPN(stem)
#define YYPT(stem) YYPN(stem)
#define YYPP0 void
#define YYPP
#define YYPA0
#define YYPA
#define YYPGETTOKEN() YYPN(gettoken)()
#define YYPSYNTAXERROR() YYPN(syntaxerror)()
#define YYPSTACKOVERFLOW() YYPN(stackoverflow)()
#define YYPDISCARD(token) YYPN(discard)(token)
#define YYPACTION(action) YYPN(parseraction)(action)
#define YYPDEBUGON YYPN(debug)
#define YYPDEBUGOUT YYPN(debugout)
#define YYPSYMBOL YYPN(symbol)
#define YYPRULE YYPN(rule)


/* The generated source holds either the fast or the compact tables, the
   debug tables only under YYDEBUG, and it is compiled after the library.
   Weak references let one engine serve every form: whatever the program
   did not define reads as NULL, and the form is chosen by what is there. */
#define YYPWEAK __attribute__((weak))
extern YYCONST YYPT(symbol_t) YYPSYMBOL[] YYPWEAK;
extern YYCONST YYPCHAR *YYCONST YYPRULE[] YYPWEAK;
extern int YYPV(tokenaction_size) YYPWEAK;
extern YYCONST YYPT(tokenaction_t) YYPV(tokenaction)[] YYPWEAK;
extern YYCONST YYPT(stateaction_t) YYPV(stateaction)[] YYPWEAK;
extern int YYPV(nontermgoto_size) YYPWEAK;
extern YYCONST YYPT(nontermgoto_t) YYPV(nontermgoto)[] YYPWEAK;
extern YYCONST YYPT(stategoto_t) YYPV(stategoto)[] YYPWEAK;
extern YYCONST YYPT(tokendest_t) *YYPV(tokendestptr) YYPWEAK;
extern int YYPV(tokendest_size) YYPWEAK;
extern YYCONST YYPT(tokendestbase_t) *YYPV(tokendestbaseptr) YYPWEAK;
extern int YYPV(tokendestbase_size) YYPWEAK;
extern YYCONST YYPT(ctokenaction_t) YYPV(ctokenaction)[] YYPWEAK;
extern YYCONST YYPT(cstateaction_t) YYPV(cstateaction)[] YYPWEAK;
extern YYCONST YYPT(cnontermgoto_t) YYPV(cnontermgoto)[] YYPWEAK;
extern YYCONST YYPT(cstategoto_t) YYPV(cstategoto)[] YYPWEAK;
extern YYCONST YYPT(ctokendest_t) *YYPV(ctokendestptr) YYPWEAK;
extern YYCONST YYPT(destructor_t) *YYPV(destructorptr) YYPWEAK;

int YYNEAR YYDCDECL YYPV(top) = -1;
int YYNEAR YYDCDECL YYPV(char) = -1;
int YYNEAR YYDCDECL YYPV(lookahead) = 0;
int YYNEAR YYDCDECL YYPV(skip) = 0;
int YYNEAR YYDCDECL YYPV(errorcount) = 0;
int YYNEAR YYDCDECL YYPV(exitflg) = 0;
int YYNEAR YYDCDECL YYPV(exitcode) = 0;
int YYNEAR YYDCDECL YYPV(errorflg) = 0;
int YYNEAR YYDCDECL YYPV(stackgrow) = 1;
int YYNEAR YYDCDECL YYPDEBUGON = 0;
FILE *YYNEAR YYDCDECL YYPDEBUGOUT = NULL;
#endif

/* Recovery counts this many shifted tokens before errors are reported
   again. */
#define YYPSKIP 3

/* Longest chain of default states followed in one lookup; the tables never
   loop, so reaching it means the tables are corrupt. */
#define YYPCHAINMAX 100000

void YYCDECL YYPF(exit)(YYPP int exitcode)
{
	YYPV(exitflg) = 1;
	YYPV(exitcode) = exitcode;
}

void YYCDECL YYPF(forceerror)(YYPP0)
{
	YYPV(errorflg) = 1;
}

static char *YYPF(attributeat)(YYPP int index)
{
	return (char *) YYPV(attributestackptr) + (size_t) index * YYPV(attribute_size);
}

/* How values are moved, kept and thrown away. A C program's values are
   plain bytes; a binding whose values are objects (C++) defines these to
   go through its attribute functions instead. */
#ifndef YYPCOPY
/* Copies one attribute. The usual sizes get a copy of fixed length that
   the compiler does inline: a library call for every shift and reduction
   would cost more than the table lookups around it. */
static void YYPF(copyvalue)(size_t size, void *to, YYCONST void *from)
{
	if (size == sizeof(int)) {
		memcpy(to, from, sizeof(int));
	}
	else if (size == sizeof(double)) {
		memcpy(to, from, sizeof(double));
	}
	else {
		memcpy(to, from, size);
	}
}

#define YYPCOPY(size, to, from) YYPF(copyvalue)(size, to, from)
#define YYPCLEAR(to) memset(to, 0, YYPV(attribute_size))
#define YYPNEWATTRIBUTES(count) malloc((size_t) (count) * YYPV(attribute_size))
#define YYPCOPYATTRIBUTES(to, from, count) memcpy(to, from, (size_t) (count) * YYPV(attribute_size))
#define YYPDELETEATTRIBUTES(attributes) free(attributes)
#endif

static FILE *YYPF(traceout)(YYPP0)
{
	return YYPDEBUGOUT != NULL ? YYPDEBUGOUT : stdout;
}

static YYCONST YYPCHAR *YYPF(tokenname)(YYPP int token)
{
	int i;
	if (YYPSYMBOL == NULL) {
		return NULL;
	}
	for (i = 0; YYPSYMBOL[i].name != NULL; i++) {
		if (YYPSYMBOL[i].token == token) {
			return YYPSYMBOL[i].name;
		}
	}
	return NULL;
}

static void YYPF(tracetoken)(YYPP YYCONST char *what, int token)
{
	YYCONST YYPCHAR *name;
	if (!YYPDEBUGON) {
		return;
	}
	name = YYPF(tokenname)(YYPA token);
	if (name != NULL) {
		fprintf(YYPF(traceout)(YYPA0), "%s token " YYPTRACESTR " (%d)\n", what, name, token);
	}
	else {
		fprintf(YYPF(traceout)(YYPA0), "%s token %d\n", what, token);
	}
}

static void YYPF(tracerule)(YYPP int rule)
{
	if (!YYPDEBUGON) {
		return;
	}
	if (YYPRULE != NULL) {
		fprintf(YYPF(traceout)(YYPA0), "reduce rule (%d) " YYPTRACESTR "\n", rule, YYPRULE[rule]);
	}
	else {
		fprintf(YYPF(traceout)(YYPA0), "reduce rule (%d)\n", rule);
	}
}

static void YYPF(tracestate)(YYPP YYCONST char *what, int state)
{
	if (YYPDEBUGON) {
		fprintf(YYPF(traceout)(YYPA0), "%s state %d (stack depth %d)\n", what, state, YYPV(top) + 1);
	}
}

static int YYPF(compact)(YYPP0)
{
	return YYPV(stateaction) == NULL && YYPV(cstateaction) != NULL;
}

/* The action for a token, following default action states. A token of -1
   asks only for the state's own default, which is exact when the state
   lists no tokens and its default is not another state. */
static void YYPF(lookupaction)(YYPP int state, int token, int *type, int *sr)
{
	int n;
	for (n = 0; n < YYPCHAINMAX; n++) {
		if (YYPF(compact)(YYPA0)) {
			YYCONST YYPT(ctokenaction_t) *row = &YYPV(ctokenaction)[YYPV(cstateaction)[state]];
			while (row->token != YYPTK_ALL && row->token != token) {
				row++;
			}
			if (row->token == YYPTK_ALL && row->type == YYAT_DEFAULT) {
				state = row->sr;
				continue;
			}
			*type = row->type;
			*sr = row->sr;
			return;
		}
		else {
			YYCONST YYPT(stateaction_t) *sa = &YYPV(stateaction)[state];
			if (sa->lookahead && token >= 0) {
				int i = sa->base + token;
				if (i >= 0 && i < YYPV(tokenaction_size) && YYPV(tokenaction)[i].check == state) {
					*type = YYPV(tokenaction)[i].type;
					*sr = YYPV(tokenaction)[i].sr;
					return;
				}
			}
			if (sa->type == YYAT_DEFAULT) {
				state = sa->sr;
				continue;
			}
			*type = sa->type;
			*sr = sa->sr;
			return;
		}
	}
	*type = YYAT_ERROR;
	*sr = 0;
}

/* The state entered after reducing to a nonterminal, -1 for none. */
static int YYPF(lookupgoto)(YYPP int state, int nonterm)
{
	int n;
	for (n = 0; n < YYPCHAINMAX && state >= 0; n++) {
		if (YYPF(compact)(YYPA0)) {
			YYCONST YYPT(cnontermgoto_t) *row = &YYPV(cnontermgoto)[YYPV(cstategoto)[state]];
			while (row->nonterm != -1 && row->nonterm != nonterm) {
				row++;
			}
			if (row->nonterm != -1) {
				return row->next;
			}
			state = row->next;
		}
		else {
			int i = YYPV(stategoto)[state].base + nonterm;
			if (i >= 0 && i < YYPV(nontermgoto_size) && YYPV(nontermgoto)[i].check == state) {
				return YYPV(nontermgoto)[i].next;
			}
			state = YYPV(stategoto)[state].def;
		}
	}
	return -1;
}

static int YYPF(tokendestructor)(YYPP int token)
{
	if (YYPF(compact)(YYPA0)) {
		YYCONST YYPT(ctokendest_t) *row = YYPV(ctokendestptr);
		if (row == NULL) {
			return -1;
		}
		for (; row->token != -1; row++) {
			if (row->token == token) {
				return row->action;
			}
		}
		return -1;
	}
	else {
		int run;
		if (YYPV(tokendestptr) == NULL || YYPV(tokendestbaseptr) == NULL) {
			return -1;
		}
		/* Runs cover disjoint token ranges, so at most one run owns the
		   position the token maps to. */
		for (run = 0; run < YYPV(tokendestbase_size); run++) {
			int i = YYPV(tokendestbaseptr)[run] + token;
			if (i >= 0 && i < YYPV(tokendest_size) && YYPV(tokendestptr)[i].check == run) {
				return YYPV(tokendestptr)[i].action;
			}
		}
		return -1;
	}
}

/* Destructor code reads the doomed value as $$, which is yyval. */
static void YYPF(destroy)(YYPP int action, YYCONST void *value)
{
	if (action < 0) {
		return;
	}
	YYPCOPY(YYPV(attribute_size), YYPV(valptr), value);
	YYPACTION(action);
}

static void YYPF(destroytop)(YYPP0)
{
	int state = YYPV(stackptr)[YYPV(top)];
	if (YYPV(destructorptr) != NULL) {
		if (YYPDEBUGON) {
			fprintf(YYPF(traceout)(YYPA0), "discard value of state %d\n", state);
		}
		YYPF(destroy)(YYPA YYPV(destructorptr)[state], YYPF(attributeat)(YYPA YYPV(top)));
	}
	YYPV(top)--;
}

static void YYPF(destroylookahead)(YYPP0)
{
	if (!YYPV(lookahead)) {
		return;
	}
	YYPV(lookahead) = 0;
	/* The end of input carries no value and is never thrown away. */
	if (YYPV(char) != 0) {
		YYPF(tracetoken)(YYPA "discard", YYPV(char));
		YYPF(destroy)(YYPA YYPF(tokendestructor)(YYPA YYPV(char)), YYPV(lvalptr));
		YYPDISCARD(YYPV(char));
	}
	YYPV(char) = -1;
}

void YYCDECL YYPF(clearlookahead)(YYPP0)
{
	YYPF(destroylookahead)(YYPA0);
}

/* Doubles the stacks until yystack_max (0: no limit). The initial arrays
   belong to the generated source and are never freed; once outgrown the
   stacks move to the heap and return to the initial arrays at the end of
   the parse. */
static int YYPF(grow)(YYPP0)
{
	int size;
	void *states;
	void *attributes;
	size_t count = (size_t) (YYPV(top) + 1);
	if (!YYPV(stackgrow) && YYPV(stackptr) != NULL) {
		return 0;
	}
	if (YYPV(stack_max) > 0 && YYPV(stack_size) >= YYPV(stack_max)) {
		return 0;
	}
	if (YYPV(stack_size) < 8) {
		size = 16;
	}
	else if (YYPV(stack_size) > 0x3fffffff) {
		return 0;
	}
	else {
		size = YYPV(stack_size) * 2;
	}
	if (YYPV(stack_max) > 0 && size > YYPV(stack_max)) {
		size = YYPV(stack_max);
	}
	states = malloc((size_t) size * sizeof(YYPT(stack_t)));
	attributes = YYPNEWATTRIBUTES(size);
	if (states == NULL || attributes == NULL) {
		free(states);
		if (attributes != NULL) {
			YYPDELETEATTRIBUTES(attributes);
		}
		return 0;
	}
	if (count > 0) {
		memcpy(states, YYPV(stackptr), count * sizeof(YYPT(stack_t)));
		YYPCOPYATTRIBUTES(attributes, YYPV(attributestackptr), count);
	}
	if (YYPV(stackptr) != YYPV(sstackptr)) {
		free(YYPV(stackptr));
		YYPDELETEATTRIBUTES(YYPV(attributestackptr));
	}
	YYPV(stackptr) = (YYPT(stack_t) *) states;
	YYPV(attributestackptr) = attributes;
	YYPV(stack_size) = size;
	if (YYPDEBUGON) {
		fprintf(YYPF(traceout)(YYPA0), "stack grown to %d\n", size);
	}
	return 1;
}

static void YYPF(releasestack)(YYPP0)
{
	if (YYPV(stackptr) != YYPV(sstackptr)) {
		free(YYPV(stackptr));
		YYPDELETEATTRIBUTES(YYPV(attributestackptr));
		YYPV(stackptr) = YYPV(sstackptr);
		YYPV(attributestackptr) = YYPV(sattributestackptr);
		YYPV(stack_size) = YYPV(sstack_size);
	}
}

/* Pushes a state with its value; on overflow reports it and returns 0. */
static int YYPF(push)(YYPP int state, YYCONST void *value)
{
	if (YYPV(top) + 1 >= YYPV(stack_size) && !YYPF(grow)(YYPA0)) {
		YYPSTACKOVERFLOW();
		return 0;
	}
	YYPV(top)++;
	YYPV(stackptr)[YYPV(top)] = state;
	if (value != NULL) {
		YYPCOPY(YYPV(attribute_size), YYPF(attributeat)(YYPA YYPV(top)), value);
	}
	else {
		YYPCLEAR(YYPF(attributeat)(YYPA YYPV(top)));
	}
	return 1;
}

/* Ends the parse: every value still held is discarded through its
   destructor, whether the parse succeeded or not. */
static int YYPF(finish)(YYPP int code)
{
	YYPF(destroylookahead)(YYPA0);
	while (YYPV(top) >= 0) {
		YYPF(destroytop)(YYPA0);
	}
	YYPF(releasestack)(YYPA0);
	if (YYPDEBUGON) {
		fprintf(YYPF(traceout)(YYPA0), "%s\n", code == 0 ? "accept" : "abort");
	}
	return code;
}

/* Pops until a state shifts the error token and shifts it; returns 0 when
   the stack runs out. */
static int YYPF(recover)(YYPP0)
{
	while (YYPV(top) >= 0) {
		int type;
		int sr;
		YYPF(lookupaction)(YYPA YYPV(stackptr)[YYPV(top)], YYPTK_ERROR, &type, &sr);
		if (type == YYAT_SHIFT) {
			YYPF(tracetoken)(YYPA "shift", YYPTK_ERROR);
			YYPV(skip) = YYPSKIP;
			return YYPF(push)(YYPA sr, NULL);
		}
		YYPF(destroytop)(YYPA0);
	}
	return 0;
}

/* Reads the lookahead unless one is held. */
static void YYPF(readtoken)(YYPP0)
{
	if (YYPV(lookahead)) {
		return;
	}
	YYPV(char) = YYPGETTOKEN();
	if (YYPV(char) < 0) {
		YYPV(char) = 0;
	}
	YYPV(lookahead) = 1;
	YYPF(tracetoken)(YYPA "read", YYPV(char));
}

/* The action of a state of the compact tables, reading the lookahead when
   the action depends on it: a state that lists no tokens and reduces by
   default reduces without reading one, so that an interactive parser acts
   on a line as soon as the line ends. */
static void YYPF(compactaction)(YYPP int state, int *type, int *sr)
{
	YYCONST YYPT(ctokenaction_t) *row = &YYPV(ctokenaction)[YYPV(cstateaction)[state]];
	int token;
	if (row->token == YYPTK_ALL && row->type == YYAT_REDUCE) {
		*type = YYAT_REDUCE;
		*sr = row->sr;
		return;
	}
	YYPF(readtoken)(YYPA0);
	token = YYPV(char);
	while (row->token != YYPTK_ALL && row->token != token) {
		row++;
	}
	if (row->token == YYPTK_ALL && row->type == YYAT_DEFAULT) {
		YYPF(lookupaction)(YYPA row->sr, token, type, sr);
		return;
	}
	*type = row->type;
	*sr = row->sr;
}

/* Handles a token the state cannot take: returns -1 to go on parsing, or
   the result of the parse. */
static int YYPF(rejecttoken)(YYPP0)
{
	if (YYPV(skip) == YYPSKIP) {
		/* Recovery has shifted error but nothing since: this token
		   cannot follow, so it goes. */
		if (YYPV(char) == 0) {
			return YYPF(finish)(YYPA 1);
		}
		YYPF(destroylookahead)(YYPA0);
		return -1;
	}
	if (YYPV(skip) == 0) {
		YYPV(errorcount)++;
		YYPSYNTAXERROR();
		if (YYPV(exitflg)) {
			return YYPF(finish)(YYPA YYPV(exitcode));
		}
	}
	if (!YYPF(recover)(YYPA0)) {
		return YYPF(finish)(YYPA 1);
	}
	return -1;
}

/* Runs the action of a rule whose values are on top of the stack and pops
   them: returns -1 when the parse goes on with the goto, -2 when the action
   raised an error and recovery has put the parse in its place, or the
   result of the parse. $$ = $1 unless the action says otherwise; an empty
   rule starts from a zero value so that destructors never see garbage. */
static int YYPF(runaction)(YYPP YYCONST YYPT(reduction_t) *r)
{
	if (r->length > 0) {
		YYPCOPY(YYPV(attribute_size), YYPV(valptr), YYPF(attributeat)(YYPA YYPV(top) - r->length + 1));
	}
	else {
		YYPCLEAR(YYPV(valptr));
	}
	YYPACTION(r->action);
	/* The values of a rule whose action stopped the parse or raised an
	   error belong to that action now. */
	YYPV(top) -= r->length;
	if (YYPV(exitflg)) {
		return YYPF(finish)(YYPA YYPV(exitcode));
	}
	if (YYPV(errorflg)) {
		YYPV(errorflg) = 0;
		if (!YYPF(recover)(YYPA0)) {
			return YYPF(finish)(YYPA 1);
		}
		return -2;
	}
	return -1;
}

/* Pushes the state a reduction leads to, with the rule's value unless the
   value is already in place; returns 0 after reporting an overflow. */
static int YYPF(pushgoto)(YYPP YYCONST YYPT(reduction_t) *r, int next)
{
	if (r->action >= 0) {
		return YYPF(push)(YYPA next, YYPV(valptr));
	}
	if (r->length == 0) {
		return YYPF(push)(YYPA next, NULL);
	}
	/* $$ = $1 already holds: the first value sits where the result goes. */
	YYPV(top)++;
	YYPV(stackptr)[YYPV(top)] = next;
	return 1;
}

/* Reduces by a rule, in the stepping loop and where the fast loop does
   not do it itself (a rule with an action, or an empty one). Returns -1 to
   go on, or the result of the parse. */
static int YYPF(reduceslowly)(YYPP YYCONST YYPT(reduction_t) *r)
{
	int next;
	if (r->action >= 0) {
		int result = YYPF(runaction)(YYPA r);
		if (result == -2) {
			return -1;
		}
		if (result != -1) {
			return result;
		}
	}
	else {
		YYPV(top) -= r->length;
	}
	next = YYPF(lookupgoto)(YYPA YYPV(stackptr)[YYPV(top)], r->nonterm);
	if (next < 0 || !YYPF(pushgoto)(YYPA r, next)) {
		return YYPF(finish)(YYPA 1);
	}
	return -1;
}

/* The action of a state of the fast tables, as compactaction gives it for
   the compact ones. */
static void YYPF(fastaction)(YYPP int state, int *type, int *sr)
{
	YYCONST YYPT(stateaction_t) *sa = &YYPV(stateaction)[state];
	if (!sa->lookahead && sa->type == YYAT_REDUCE) {
		*type = YYAT_REDUCE;
		*sr = sa->sr;
		return;
	}
	YYPF(readtoken)(YYPA0);
	YYPF(lookupaction)(YYPA state, YYPV(char), type, sr);
}

/* The loop that serves every table form and traces each step: the compact
   tables always run here, the fast ones whenever tracing is on. */
static int YYPF(steploop)(YYPP0)
{
	for (;;) {
		int state = YYPV(stackptr)[YYPV(top)];
		int type;
		int sr;
		int result;
		YYPF(tracestate)(YYPA "in", state);
		if (YYPF(compact)(YYPA0)) {
			YYPF(compactaction)(YYPA state, &type, &sr);
		}
		else {
			YYPF(fastaction)(YYPA state, &type, &sr);
		}
		switch (type) {
		case YYAT_SHIFT:
			YYPF(tracetoken)(YYPA "shift", YYPV(char));
			if (!YYPF(push)(YYPA sr, YYPV(lvalptr))) {
				return YYPF(finish)(YYPA 1);
			}
			YYPV(lookahead) = 0;
			YYPV(char) = -1;
			if (YYPV(skip) > 0) {
				YYPV(skip)--;
			}
			break;
		case YYAT_REDUCE:
			YYPF(tracerule)(YYPA sr);
			result = YYPF(reduceslowly)(YYPA &YYPV(reduction)[sr]);
			if (result != -1) {
				return result;
			}
			break;
		case YYAT_ACCEPT:
			return YYPF(finish)(YYPA 0);
		default:
			result = YYPF(rejecttoken)(YYPA0);
			if (result != -1) {
				return result;
			}
			break;
		}
	}
}

/* The fast tables as the fast loop reads them, made once for each table
   set and kept for the rest of the process: one word per state packing its
   default (sr << 4 | type << 1 | whether it lists tokens), its base and
   the owner its entries are checked against; the token actions' owners and
   packed actions (sr << 3 | type) in two arrays, with one merged row for
   each state that has tokens and a chain of default states (makelayout);
   a state that lists no tokens and names a default state taking its
   chain's row; and every goto resolved, defaults followed, in a matrix
   with a row of 1 << shift entries per state (a shift rather than a
   multiplication on the way from one state to the next), -1 where there
   is none. The generated tables say the same; this form saves a load or
   two on each step, which is where a parse without actions spends its
   time. */
typedef struct {
	YYCONST void *source;
	YYCONST void *tokens;
	YYCONST void *gotos_source;
	YYCONST void *reductions;
	int tokens_size;
	int gotos_size;
	int states;
	int shift;
	int entries;
	int *word;
	int *base;
	int *owner;
	int *check;
	int *action;
	int *gotos;
} YYPF(layout_t);

/* Parsers with more tables than this in one program, or a goto matrix
   larger than this, parse with the stepping loop instead. */
#define YYPLAYOUTSLOTS 16
#define YYPLAYOUTMAX (1L << 20)

static YYPF(layout_t) *YYPF(layouts)[YYPLAYOUTSLOTS];

/* The number of states: one more than the highest any entry names. Every
   state a parse can enter is a shift or goto target, and continuation
   states are named by the default links that lead to them. Returns 0 for
   tables too large to lay out. */
static int YYPF(countstates)(YYPP0)
{
	long n = 1;
	long s;
	int i;
	for (i = 0; i < YYPV(tokenaction_size); i++) {
		YYCONST YYPT(tokenaction_t) *entry = &YYPV(tokenaction)[i];
		if (entry->check >= n) {
			n = entry->check + 1L;
		}
		if (entry->type == YYAT_SHIFT && entry->sr >= n) {
			n = entry->sr + 1L;
		}
	}
	for (i = 0; i < YYPV(nontermgoto_size); i++) {
		if (YYPV(nontermgoto)[i].check >= n) {
			n = YYPV(nontermgoto)[i].check + 1L;
		}
		if (YYPV(nontermgoto)[i].next >= n) {
			n = YYPV(nontermgoto)[i].next + 1L;
		}
	}
	for (s = 0; s < n && n <= YYPLAYOUTMAX; s++) {
		if (YYPV(stateaction)[s].type == YYAT_DEFAULT && YYPV(stateaction)[s].sr >= n) {
			n = YYPV(stateaction)[s].sr + 1L;
		}
		if (YYPV(stategoto)[s].def >= n) {
			n = YYPV(stategoto)[s].def + 1L;
		}
	}
	return n <= YYPLAYOUTMAX ? (int) n : 0;
}

/* The number of nonterminals a reduction can lead to; -1 when the rules
   name more than can be packed. */
static int YYPF(countnonterms)(YYPP int states)
{
	int rules = 0;
	int nonterms = 0;
	int i;
	for (i = 0; i < YYPV(tokenaction_size); i++) {
		if (YYPV(tokenaction)[i].type == YYAT_REDUCE && YYPV(tokenaction)[i].sr >= rules) {
			rules = YYPV(tokenaction)[i].sr + 1;
		}
	}
	for (i = 0; i < states; i++) {
		if (YYPV(stateaction)[i].type == YYAT_REDUCE && YYPV(stateaction)[i].sr >= rules) {
			rules = YYPV(stateaction)[i].sr + 1;
		}
	}
	for (i = 0; i < rules; i++) {
		if (YYPV(reduction)[i].nonterm >= nonterms) {
			nonterms = YYPV(reduction)[i].nonterm + 1;
		}
	}
	return nonterms;
}

/* Whether every chain of default states ends, so that the fast loop can
   follow them without counting. The chains only ever meet, so each state
   is walked once: a state is marked when its chain is known to end. */
static int YYPF(chainsend)(YYCONST YYPF(layout_t) *layout)
{
	char *ends = (char *) calloc((size_t) layout->states, 1);
	int s;
	if (ends == NULL) {
		return 0;
	}
	for (s = 0; s < layout->states; s++) {
		int t = s;
		int steps = 0;
		while (!ends[t] && (layout->word[t] >> 1 & 7) == YYAT_DEFAULT) {
			t = layout->word[t] >> 4;
			if (++steps > layout->states) {
				free(ends);
				return 0;
			}
		}
		for (t = s; !ends[t]; t = layout->word[t] >> 4) {
			ends[t] = 1;
			if ((layout->word[t] >> 1 & 7) != YYAT_DEFAULT) {
				break;
			}
		}
	}
	free(ends);
	return 1;
}

/* Each state's own token actions, in token order, for merging the rows of
   default-state chains: the entries of state s are token[first[s]] ...
   token[first[s + 1] - 1] with their packed actions. */
typedef struct {
	int *first;
	int *token;
	int *action;
	int maxtoken;
} YYPF(rows_t);

static int YYPF(makerows)(YYPP int states, YYPF(rows_t) *rows)
{
	int size = YYPV(tokenaction_size);
	int *fill;
	int i;
	int s;
	rows->first = (int *) calloc((size_t) states + 1, sizeof(int));
	rows->token = (int *) malloc(((size_t) size + 1) * sizeof(int));
	rows->action = (int *) malloc(((size_t) size + 1) * sizeof(int));
	fill = (int *) malloc(((size_t) states + 1) * sizeof(int));
	rows->maxtoken = 0;
	if (rows->first == NULL || rows->token == NULL || rows->action == NULL || fill == NULL) {
		free(fill);
		return 0;
	}
	for (i = 0; i < size; i++) {
		int owner = YYPV(tokenaction)[i].check;
		if (owner >= 0 && owner < states) {
			rows->first[owner + 1]++;
		}
	}
	for (s = 0; s < states; s++) {
		rows->first[s + 1] += rows->first[s];
		fill[s] = rows->first[s];
	}
	/* Ascending positions give ascending tokens within each state. */
	for (i = 0; i < size; i++) {
		int owner = YYPV(tokenaction)[i].check;
		if (owner >= 0 && owner < states) {
			int token = i - YYPV(stateaction)[owner].base;
			rows->token[fill[owner]] = token;
			rows->action[fill[owner]++] = YYPV(tokenaction)[i].sr << 3 | YYPV(tokenaction)[i].type;
			if (token > rows->maxtoken) {
				rows->maxtoken = token;
			}
		}
	}
	free(fill);
	return 1;
}

static void YYPF(freerows)(YYPF(rows_t) *rows)
{
	free(rows->first);
	free(rows->token);
	free(rows->action);
}

/* How far the merged row of state s would reach, in low and high, with
   marks stamped s + 1 on its tokens; 0 when the state keeps its chain (it
   lists no tokens of its own, has no default state, or its chain loops,
   which chainsend refuses later). */
static int YYPF(mergedspan)(YYPP int states, YYCONST YYPF(rows_t) *rows, int *mark, int s, int *low,
                            int *high)
{
	int t = s;
	int steps;
	int k;
	if (!YYPV(stateaction)[s].lookahead || YYPV(stateaction)[s].type != YYAT_DEFAULT) {
		return 0;
	}
	*low = rows->maxtoken;
	*high = 0;
	for (steps = 0; steps <= states; steps++) {
		for (k = rows->first[t]; k < rows->first[t + 1]; k++) {
			if (mark[rows->token[k]] != s + 1) {
				mark[rows->token[k]] = s + 1;
				*low = rows->token[k] < *low ? rows->token[k] : *low;
				*high = rows->token[k] > *high ? rows->token[k] : *high;
			}
		}
		if (YYPV(stateaction)[t].type != YYAT_DEFAULT) {
			return *high >= *low ? *high - *low + 1 : 0;
		}
		t = YYPV(stateaction)[t].sr;
	}
	return 0;
}

/* Room for merged rows beyond the packed table: rows are appended whole,
   and a state whose merged row finds no room keeps its chain. */
#define YYPMERGEROOM(size) (2L * (size) + 4096L)

static YYPF(layout_t) *YYPF(makelayout)(YYPP0)
{
	YYPF(layout_t) *layout;
	YYPF(rows_t) rows;
	int *ints;
	int *mark;
	int *span;
	int *lowest;
	int states = YYPF(countstates)(YYPA0);
	int nonterms = states > 0 ? YYPF(countnonterms)(YYPA states) : 0;
	int size = YYPV(tokenaction_size);
	long extra = 0;
	long end = size;
	int shift = 0;
	int low = 0;
	int high = 0;
	int s;
	int i;
	while ((1 << shift) < nonterms) {
		shift++;
	}
	if (states == 0 || ((long) states << shift) > YYPLAYOUTMAX || states >= (1 << 26)) {
		return NULL;
	}
	for (i = 0; i < size; i++) {
		if (YYPV(tokenaction)[i].sr < 0 || YYPV(tokenaction)[i].sr >= 1 << 27 ||
		    YYPV(tokenaction)[i].type < 0 || YYPV(tokenaction)[i].type > YYAT_DEFAULT) {
			return NULL;
		}
	}
	for (s = 0; s < states; s++) {
		if (YYPV(stateaction)[s].sr < 0 || YYPV(stateaction)[s].sr >= 1 << 27 ||
		    YYPV(stateaction)[s].type < 0 || YYPV(stateaction)[s].type > YYAT_DEFAULT) {
			return NULL;
		}
	}
	if (!YYPF(makerows)(YYPA states, &rows)) {
		YYPF(freerows)(&rows);
		return NULL;
	}
	mark = (int *) calloc((size_t) rows.maxtoken + 1, sizeof(int));
	span = (int *) malloc((size_t) states * sizeof(int));
	lowest = (int *) malloc((size_t) states * sizeof(int));
	if (mark == NULL || span == NULL || lowest == NULL) {
		free(mark);
		free(span);
		free(lowest);
		YYPF(freerows)(&rows);
		return NULL;
	}
	/* First the room the merged rows take, so that the layout is
	   allocated once and no larger than it needs. */
	for (s = 0; s < states; s++) {
		span[s] = YYPF(mergedspan)(YYPA states, &rows, mark, s, &low, &high);
		lowest[s] = low;
		if (extra + span[s] > YYPMERGEROOM(size)) {
			span[s] = 0;
		}
		extra += span[s];
	}
	layout = (YYPF(layout_t) *) malloc(sizeof *layout);
	ints = (int *) malloc(((size_t) states * (3 + ((size_t) 1 << shift)) + 2 * ((size_t) size + (size_t) extra) + 1) *
	                      sizeof(int));
	free(mark);
	if (layout == NULL || ints == NULL) {
		free(layout);
		free(ints);
		free(span);
		free(lowest);
		YYPF(freerows)(&rows);
		return NULL;
	}
	layout->source = YYPV(stateaction);
	layout->tokens = YYPV(tokenaction);
	layout->gotos_source = YYPV(nontermgoto);
	layout->reductions = YYPV(reduction);
	layout->tokens_size = YYPV(tokenaction_size);
	layout->gotos_size = YYPV(nontermgoto_size);
	layout->states = states;
	layout->shift = shift;
	layout->entries = (int) (size + extra);
	layout->word = ints;
	layout->base = layout->word + states;
	layout->owner = layout->base + states;
	layout->check = layout->owner + states;
	layout->action = layout->check + size + extra;
	layout->gotos = layout->action + size + extra;
	for (i = 0; i < size; i++) {
		layout->check[i] = YYPV(tokenaction)[i].check;
		layout->action[i] = YYPV(tokenaction)[i].sr << 3 | YYPV(tokenaction)[i].type;
	}
	for (i = size; i < size + extra; i++) {
		layout->check[i] = -1;
		layout->action[i] = 0;
	}
	/* A state with tokens of its own and a default state gets one row
	   holding its chain's tokens too, the nearer state's action winning,
	   and the chain's last default; the row is appended and checked
	   against an owner number of its own, above the states. */
	for (s = 0; s < states; s++) {
		int t;
		layout->word[s] = YYPV(stateaction)[s].sr << 4 | YYPV(stateaction)[s].type << 1 |
		                  (YYPV(stateaction)[s].lookahead ? 1 : 0);
		layout->base[s] = YYPV(stateaction)[s].base;
		layout->owner[s] = s;
		if (span[s] == 0) {
			continue;
		}
		low = lowest[s];
		layout->base[s] = (int) (end - low);
		layout->owner[s] = states + s;
		for (t = s;; t = YYPV(stateaction)[t].sr) {
			int k;
			for (k = rows.first[t]; k < rows.first[t + 1]; k++) {
				long at = end - low + rows.token[k];
				if (layout->check[at] != states + s) {
					layout->check[at] = states + s;
					layout->action[at] = rows.action[k];
				}
			}
			if (YYPV(stateaction)[t].type != YYAT_DEFAULT) {
				break;
			}
		}
		layout->word[s] = YYPV(stateaction)[t].sr << 4 | YYPV(stateaction)[t].type << 1 | 1;
		end += span[s];
	}
	/* A state that lists no tokens and names a default state acts as the
	   first state of its chain that is more than that. */
	for (s = 0; s < states; s++) {
		int owner = s;
		int n;
		for (n = 0; n < states && !YYPV(stateaction)[owner].lookahead &&
		     YYPV(stateaction)[owner].type == YYAT_DEFAULT; n++) {
			owner = YYPV(stateaction)[owner].sr;
		}
		if (owner != s) {
			layout->word[s] = layout->word[owner];
			layout->base[s] = layout->base[owner];
			layout->owner[s] = layout->owner[owner];
		}
		for (i = 0; i < 1 << shift; i++) {
			layout->gotos[((long) s << shift) + i] = i < nonterms ? YYPF(lookupgoto)(YYPA s, i) : -1;
		}
	}
	free(span);
	free(lowest);
	YYPF(freerows)(&rows);
	if (!YYPF(chainsend)(layout)) {
		free(ints);
		free(layout);
		return NULL;
	}
	return layout;
}

/* Whether a layout was made from the parser's tables. Tables are known by
   where they are and how large: a library unloaded and another loaded in
   its place would otherwise inherit its layout. */
static int YYPF(layoutof)(YYPP YYCONST YYPF(layout_t) *layout)
{
	return layout->source == (YYCONST void *) YYPV(stateaction) &&
	       layout->tokens == (YYCONST void *) YYPV(tokenaction) &&
	       layout->gotos_source == (YYCONST void *) YYPV(nontermgoto) &&
	       layout->reductions == (YYCONST void *) YYPV(reduction) &&
	       layout->tokens_size == YYPV(tokenaction_size) && layout->gotos_size == YYPV(nontermgoto_size);
}

/* The layout of the parser's fast tables, made on first use; NULL when it
   cannot be had, and the stepping loop parses. A layout, once published,
   never changes, so parsers in several threads share it safely. */
static YYCONST YYPF(layout_t) *YYPF(layout)(YYPP0)
{
	YYPF(layout_t) *made;
	int i;
	for (i = 0; i < YYPLAYOUTSLOTS; i++) {
		YYPF(layout_t) *layout = __atomic_load_n(&YYPF(layouts)[i], __ATOMIC_ACQUIRE);
		if (layout == NULL) {
			break;
		}
		if (YYPF(layoutof)(YYPA layout)) {
			return layout;
		}
	}
	if (i == YYPLAYOUTSLOTS || (made = YYPF(makelayout)(YYPA0)) == NULL) {
		return NULL;
	}
	for (; i < YYPLAYOUTSLOTS; i++) {
		YYPF(layout_t) *expected = NULL;
		if (__atomic_compare_exchange_n(&YYPF(layouts)[i], &expected, made, 0, __ATOMIC_ACQ_REL,
		                                __ATOMIC_ACQUIRE)) {
			return made;
		}
		if (YYPF(layoutof)(YYPA expected)) {
			free(made->word);
			free(made);
			return expected;
		}
	}
	free(made->word);
	free(made);
	return NULL;
}

/* The loop over fast tables while tracing is off, reading their layout.
   This is where a parse spends its time, so the stack top, the stacks,
   the current state and the lookahead live in locals and reach the
   parser's variables only where other code reads or changes them
   (actions, growth, error handling): SAVE writes them back, LOAD reads
   them again. Returns the result of the parse, or -1 when tracing was
   switched on and steploop is to go on. */
static int YYPF(fastloop)(YYPP YYCONST YYPF(layout_t) *layout)
{
	YYCONST size_t size = YYPV(attribute_size);
	YYCONST void *YYCONST lval = YYPV(lvalptr);
	YYCONST int *YYCONST word = layout->word;
	YYCONST int *YYCONST base = layout->base;
	YYCONST int *YYCONST owner = layout->owner;
	YYCONST int *YYCONST check = layout->check;
	YYCONST int *YYCONST action = layout->action;
	YYCONST int *YYCONST gotos = layout->gotos;
	YYCONST int shift = layout->shift;
	YYCONST unsigned entries = (unsigned) layout->entries;
	YYPT(stack_t) *sp;
	YYPT(stack_t) *last;
	char *vp;
	int token;
	int state;
	int result;
#define YYPSAVE() (YYPV(top) = (int) (sp - YYPV(stackptr)), YYPV(char) = token, YYPV(lookahead) = token >= 0)
#define YYPLOAD() (sp = YYPV(stackptr) + YYPV(top), token = YYPV(lookahead) ? YYPV(char) : -1, \
	vp = (char *) YYPV(attributestackptr) + (size_t) YYPV(top) * size, \
	last = YYPV(stackptr) + YYPV(stack_size) - 1, state = *sp)
	YYPLOAD();
	for (;;) {
		int w = word[state];
		int type;
		int sr;
		int s;
		/* A state that lists no tokens and reduces by default reduces
		   without reading one, so that an interactive parser acts on a
		   line as soon as the line ends. */
		if ((w & 15) == YYAT_REDUCE << 1) {
			sr = w >> 4;
			goto reduce;
		}
		if (token < 0) {
			token = YYPGETTOKEN();
			if (token < 0) {
				token = 0;
			}
			if (YYPDEBUGON) {
				YYPSAVE();
				YYPF(tracetoken)(YYPA "read", token);
				return -1;
			}
		}
		/* The state's tokens, then those of its default states, which
		   the tables never let loop; the last one's default applies. */
		s = state;
		for (;;) {
			if (w & 1) {
				unsigned i = (unsigned) (base[s] + token);
				if (i < entries && check[i] == owner[s]) {
					type = action[i] & 7;
					sr = action[i] >> 3;
					goto act;
				}
			}
			if ((w >> 1 & 7) != YYAT_DEFAULT) {
				break;
			}
			s = w >> 4;
			w = word[s];
		}
		type = (w >> 1 & 7) == YYAT_DEFAULT ? YYAT_ERROR : w >> 1 & 7;
		sr = w >> 4;
	act:
		if (type == YYAT_SHIFT) {
			if (sp >= last) {
				YYPSAVE();
				if (!YYPF(grow)(YYPA0)) {
					YYPSTACKOVERFLOW();
					return YYPF(finish)(YYPA 1);
				}
				YYPLOAD();
			}
			*++sp = state = sr;
			vp += size;
			YYPCOPY(size, vp, lval);
			token = -1;
			if (YYPV(skip) > 0) {
				YYPV(skip)--;
			}
			continue;
		}
		if (type != YYAT_REDUCE) {
			YYPSAVE();
			if (type == YYAT_ACCEPT) {
				return YYPF(finish)(YYPA 0);
			}
			result = YYPF(rejecttoken)(YYPA0);
			if (result != -1) {
				return result;
			}
			YYPLOAD();
			if (YYPDEBUGON) {
				return -1;
			}
			continue;
		}
	reduce: {
			YYCONST YYPT(reduction_t) *r = &YYPV(reduction)[sr];
			if (r->action < 0 && r->length > 0) {
				/* $$ = $1 already holds: the first value sits where
				   the result goes, and the stack gets no deeper. */
				sp -= r->length;
				vp -= (size_t) r->length * size;
				state = gotos[((long) *sp << shift) + r->nonterm];
				if (state < 0) {
					YYPSAVE();
					return YYPF(finish)(YYPA 1);
				}
				*++sp = state;
				vp += size;
				continue;
			}
			YYPSAVE();
			result = YYPF(reduceslowly)(YYPA r);
			if (result != -1) {
				return result;
			}
			YYPLOAD();
			if (YYPDEBUGON) {
				return -1;
			}
		}
	}
#undef YYPSAVE
#undef YYPLOAD
}

int YYCDECL YYPF(parse)(YYPP0)
{
	YYPV(top) = -1;
	YYPV(char) = -1;
	YYPV(lookahead) = 0;
	YYPV(skip) = 0;
	YYPV(errorcount) = 0;
	YYPV(exitflg) = 0;
	YYPV(exitcode) = 0;
	YYPV(errorflg) = 0;
	if (YYPV(stateaction) == NULL && YYPV(cstateaction) == NULL) {
		/* A program without a generated parser in it. */
		return 1;
	}
	if (!YYPF(push)(YYPA 0, NULL)) {
		return YYPF(finish)(YYPA 1);
	}
	if (!YYPF(compact)(YYPA0) && !YYPDEBUGON) {
		YYCONST YYPF(layout_t) *layout = YYPF(layout)(YYPA0);
		if (layout != NULL) {
			int result = YYPF(fastloop)(YYPA layout);
			if (result != -1) {
				return result;
			}
		}
	}
	return YYPF(steploop)(YYPA0);
}
