/* The parsing engine, compiled once per width and parser model: the
   including source defines YYPN, YYPCHAR, YYPTK_ERROR, YYPTK_ALL and
   YYPTRACESTR (the printf conversion of the width's strings) and includes
   the width's header first. A source for the multiple models also defines
   YYPMULTI and the access macros below, so that every name reaches the
   parser object instead of the file-scope variables. Not installed. */

#include <stdlib.h>
#include <string.h>

/* Where the engine's code lies. A first parse pays for every page of code
   it runs for the first time, which costs more than its instructions, so
   the functions of a usual parse (fast tables, values of int size, the
   default token source) are marked hot and lie together in the program's
   hot text; the other table form, the other sizes and the tracing loop are
   functions apart (YYPOWN), outside it. Within a function, the loop is
   written once and expanded (YYPEXPAND) for each table form and, for
   values moved as bytes, for the usual value sizes: with the form and the
   size known, the compiler drops the other form's lookups and moves each
   value with a single instruction. What a usual parse never runs is kept
   apart (YYPAPART). */
#ifdef __GNUC__
#define YYPHOT __attribute__((hot))
#define YYPOWN __attribute__((noinline))
#define YYPEXPAND static inline __attribute__((always_inline))
#define YYPAPART static __attribute__((noinline, cold))
#define YYPLIKELY(condition) __builtin_expect(!!(condition), 1)
#else
#define YYPHOT
#define YYPOWN
#define YYPEXPAND static
#define YYPAPART static
#define YYPLIKELY(condition) (condition)
#endif

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

/* Zeroes one attribute, the usual sizes without a library call: a parse
   that only shifts and reduces calls nothing but the lexer, so that the
   first parse of a program does not wait for the dynamic linker either. */
static void YYPF(clearvalue)(size_t size, void *to)
{
	if (size == sizeof(int)) {
		memset(to, 0, sizeof(int));
	}
	else if (size == sizeof(double)) {
		memset(to, 0, sizeof(double));
	}
	else {
		memset(to, 0, size);
	}
}

/* Trades two attributes byte for byte: a value of any size is set aside
   without a buffer, so that doing so cannot fail. */
static void YYPF(swapvalues)(size_t size, void *a, void *b)
{
	unsigned char *p = (unsigned char *) a;
	unsigned char *q = (unsigned char *) b;
	size_t i;
	for (i = 0; i < size; i++) {
		unsigned char c = p[i];
		p[i] = q[i];
		q[i] = c;
	}
}

#define YYPCOPY(size, to, from) YYPF(copyvalue)(size, to, from)
#define YYPBYTEVALUES
#define YYPCLEARSIZED(size, to) YYPF(clearvalue)(size, to)
#define YYPCLEAR(to) YYPCLEARSIZED(YYPV(attribute_size), to)
#define YYPNEWATTRIBUTES(count) malloc((size_t) (count) * YYPV(attribute_size))
#define YYPCOPYATTRIBUTES(to, from, count) memcpy(to, from, (size_t) (count) * YYPV(attribute_size))
#define YYPDELETEATTRIBUTES(attributes) free(attributes)
#endif
#ifndef YYPCLEARSIZED
#define YYPCLEARSIZED(size, to) ((void) (size), YYPCLEAR(to))
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
	if (value != YYPV(valptr)) {
		YYPCOPY(YYPV(attribute_size), YYPV(valptr), value);
	}
	YYPACTION(action);
}

/* Discards the value that would stand in state. */
static void YYPF(destroyin)(YYPP int state, YYCONST void *value)
{
	if (YYPV(destructorptr) != NULL) {
		if (YYPDEBUGON) {
			fprintf(YYPF(traceout)(YYPA0), "discard value of state %d\n", state);
		}
		YYPF(destroy)(YYPA YYPV(destructorptr)[state], value);
	}
}

static void YYPF(destroytop)(YYPP0)
{
	YYPF(destroyin)(YYPA YYPV(stackptr)[YYPV(top)], YYPF(attributeat)(YYPA YYPV(top)));
	YYPV(top)--;
}

/* Runs the lookahead's destructor from inside an action (yyclearin). The
   destructor reads the token's value as $$, which is yyval, and yyval is
   just now the running action's own $$: that value is set aside while
   the destructor runs, so that it survives it. */
static void YYPF(destroyinaction)(YYPP int action)
{
#ifdef YYPBYTEVALUES
	YYPF(swapvalues)(YYPV(attribute_size), YYPV(valptr), YYPV(lvalptr));
	YYPF(destroy)(YYPA action, YYPV(valptr));
	YYPF(swapvalues)(YYPV(attribute_size), YYPV(valptr), YYPV(lvalptr));
#else
	/* Objects are set aside in a copy; without room for one the
	   destructor still runs, as it must, and $$ is lost. */
	void YYFAR *kept = YYPNEWATTRIBUTES(1);
	if (kept != NULL) {
		YYPCOPYATTRIBUTES(kept, YYPV(valptr), 1);
	}
	YYPF(destroy)(YYPA action, YYPV(lvalptr));
	if (kept != NULL) {
		YYPCOPYATTRIBUTES(YYPV(valptr), kept, 1);
		YYPDELETEATTRIBUTES(kept);
	}
#endif
}

/* Throws the lookahead token away; keepval tells that yyval holds a
   value to keep through the destructor: the $$ of an action that asked for
   it, or the value of a rule that found no room on the stack. */
static void YYPF(droplookahead)(YYPP int keepval)
{
	if (!YYPV(lookahead)) {
		return;
	}
	YYPV(lookahead) = 0;
	/* The end of input carries no value and is never thrown away. */
	if (YYPV(char) != 0) {
		int action = YYPF(tokendestructor)(YYPA YYPV(char));
		YYPF(tracetoken)(YYPA "discard", YYPV(char));
		if (keepval && action >= 0) {
			YYPF(destroyinaction)(YYPA action);
		}
		else {
			YYPF(destroy)(YYPA action, YYPV(lvalptr));
		}
		YYPDISCARD(YYPV(char));
	}
	YYPV(char) = -1;
}

static void YYPF(destroylookahead)(YYPP0)
{
	YYPF(droplookahead)(YYPA 0);
}

/* The value an action made for an empty rule whose state found no room on
   the stack: it goes as it would have gone from the top of the stack, after
   the lookahead and before the values under it. It waits in yyval, where
   the lookahead's destructor reads its own value, so it is kept aside
   meanwhile. */
static void YYPF(destroyunpushed)(YYPP int state)
{
	YYPF(droplookahead)(YYPA 1);
	if (state >= 0) {
		YYPF(destroyin)(YYPA state, YYPV(valptr));
	}
}

void YYCDECL YYPF(clearlookahead)(YYPP0)
{
	YYPF(droplookahead)(YYPA 1);
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
static YYPHOT int YYPF(push)(YYPP int state, YYCONST void *value)
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
		if (!YYPF(push)(YYPA next, YYPV(valptr))) {
			YYPF(destroyunpushed)(YYPA next);
			return 0;
		}
		return 1;
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
static YYPOWN int YYPF(steploop)(YYPP0)
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

/* What a parse has looked up, kept for the rest of the parse: the chains
   of default states that lead to the most common gotos are long (a dozen
   states in the expressions of a C grammar), while the gotos a parse
   takes are few and taken again and again. A memo keeps each lookup where
   its state and symbol place it, in place of whatever was there, so that
   a hit costs one comparison. A short parse costs no more than reading
   the tables: a memo takes nothing down until lookups have missed it
   YYPMEMOWAIT times; then it starts in the parse's own frame. Each time
   it has missed as often as it has slots, it looks at how many tokens
   were read meanwhile: when it missed more than once in YYPMEMORATE
   tokens it doubles on the heap, up to a limit, so that it grows only
   while growing pays, and stays small enough for the caches on a long
   parse. Nothing outlives the parse, so parsers in several threads and of
   several grammars share nothing but the generated tables.

   A goto's slot holds the state alone: the slots of one state's symbols
   are consecutive, so that for a symbol no larger than the mask the slot
   and the state tell the symbol. Slots stay eight bytes, twice as many to
   a cache line. Token actions of the compact tables, whose symbols can be
   as large as the wide tokens, keep the whole key. */
typedef struct {
	int state; /* -1 when empty */
	int value;
} YYPF(gslot_t);

typedef struct {
	unsigned long long key; /* state << 32 | symbol; all ones when empty */
	int value;
} YYPF(slot_t);

#define YYPMEMOWAIT 16
#define YYPMEMOFIRST 1024
#define YYPMEMOLAST 65536
#define YYPMEMORATE 32
#define YYPEMPTY (~0ULL)

/* The one slot of a memo that keeps nothing yet; never written. Empty
   slots are all ones, which no state or key is. */
static YYCONST YYPF(gslot_t) YYPF(nogslots)[1] = { { -1, 0 } };
static YYCONST YYPF(slot_t) YYPF(noslots)[1] = { { YYPEMPTY, 0 } };

typedef struct {
	void *slots;
	unsigned mask;
	unsigned misses;	/* left before the memo starts or is reviewed */
	unsigned reads;		/* tokens read when it was last reviewed */
	unsigned clock;		/* tokens read, counted in the goto memo */
	YYCONST void *none;	/* the slots of a memo that keeps nothing */
	unsigned long long first[YYPMEMOFIRST / sizeof(unsigned long long)];
} YYPF(memo_t);

static void YYPF(memoinit)(YYPF(memo_t) *memo, YYCONST void *none)
{
	memo->slots = (void *) none;
	memo->none = none;
	memo->mask = 0;
	memo->misses = YYPMEMOWAIT;
	memo->reads = 0;
	memo->clock = 0;
}

static void YYPF(memofree)(YYPF(memo_t) *memo)
{
	if (memo->slots != (void *) memo->first && memo->slots != memo->none) {
		free(memo->slots);
	}
}

/* A state's lookups fall on neighbouring slots, one per symbol. A shift
   and an add spread the states, not a multiplication: states far apart
   still land apart, and neighbouring states, whose symbols differ, share
   few slots. A token of the compact tables may be larger than the mask and
   is added before it. A goto's nonterminal is no larger than the mask and
   joins after it, in one step, since it comes last: the state under a unit
   rule is read while the rule is still on its way from the table. */
#define YYPINDEX(state, symbol, mask) (((unsigned) (state) * 33u + (unsigned) (symbol)) & (mask))
#define YYPGINDEX(state, nonterm, mask) ((((unsigned) (state) * 33u) & (mask)) ^ (unsigned) (nonterm))
#define YYPKEY(state, symbol) ((unsigned long long) (unsigned) (state) << 32 | (unsigned) (symbol))

/* Empties slots. A memo starts after a few misses, when a short parse has
   barely begun, so it is filled here rather than by the C library: a
   program's first call of memset waits for the dynamic linker for longer
   than such a parse takes. The compiler is kept from turning the loop back
   into that call. */
static YYPHOT void YYPF(fillslots)(unsigned long long *slots, size_t bytes)
{
	size_t i;
	for (i = 0; i < bytes / sizeof *slots; i += 4) {
		slots[i] = slots[i + 1] = slots[i + 2] = slots[i + 3] = ~0ULL;
#if defined(__GNUC__)
		__asm__ __volatile__("" : : "r"(slots) : "memory");
#endif
	}
}

/* Makes the memo take its first slots, or reviews it after as many misses
   as it has slots: it doubles, emptied, when those misses came faster
   than one in YYPMEMORATE tokens read. */
static YYPHOT void YYPF(memoreview)(YYPF(memo_t) *memo, size_t slotsize, unsigned reads)
{
	size_t size;
	void *slots = NULL;
	if (memo->slots == memo->none) {
		YYPF(fillslots)(memo->first, sizeof memo->first);
		memo->slots = memo->first;
		memo->mask = (unsigned) (sizeof memo->first / slotsize) - 1;
		memo->misses = memo->mask + 1;
		memo->reads = reads;
		return;
	}
	size = (size_t) memo->mask + 1;
	if (reads - memo->reads < size * YYPMEMORATE && 2 * size <= YYPMEMOLAST) {
		slots = malloc(2 * size * slotsize);
	}
	if (slots != NULL) {
		YYPF(fillslots)((unsigned long long *) slots, 2 * size * slotsize);
		YYPF(memofree)(memo);
		memo->slots = slots;
		memo->mask = (unsigned) (2 * size) - 1;
	}
	memo->misses = memo->mask + 1;
	memo->reads = reads;
}

/* The state a reduction to nonterm leads to from state: its goto, or
   that of the first of its default states that has one; -1 for none. */
YYPEXPAND int YYPF(findgoto)(YYPP YYCONST int compact, int state, YYCONST int nonterm)
{
	int n;
	if (compact) {
		YYCONST YYPT(cnontermgoto_t) *row = &YYPV(cnontermgoto)[YYPV(cstategoto)[state]];
		for (n = 0; n < YYPCHAINMAX; n++) {
			while (row->nonterm != nonterm && row->nonterm != -1) {
				row++;
			}
			if (row->nonterm != -1) {
				return row->next;
			}
			if (row->next < 0) {
				return -1;
			}
			row = &YYPV(cnontermgoto)[YYPV(cstategoto)[row->next]];
		}
	}
	else {
		YYCONST YYPT(stategoto_t) *YYCONST stategoto = YYPV(stategoto);
		YYCONST YYPT(nontermgoto_t) *YYCONST nontermgoto = YYPV(nontermgoto);
		YYCONST unsigned size = (unsigned) YYPV(nontermgoto_size);
		/* Unsigned, so that the end of a chain (-1) and a negative index
		   each fail one comparison. */
		unsigned s = (unsigned) state;
		for (n = YYPCHAINMAX; s < (unsigned) -1 && n != 0; n--) {
			YYCONST YYPT(stategoto_t) *YYCONST g = stategoto + s;
			YYCONST unsigned i = (unsigned) g->base + (unsigned) nonterm;
			if (i < size && (unsigned) nontermgoto[i].check == s) {
				return nontermgoto[i].next;
			}
			s = (unsigned) g->def;
		}
	}
	return -1;
}

/* Keeps a goto that missed the memo, where the memo has room for its
   symbol; a goto to no state is not kept, the parse ends with it. */
static int YYPF(keepgoto)(YYPF(memo_t) *memo, int state, int nonterm, int next)
{
	if (memo->slots != memo->none && (unsigned) nonterm <= memo->mask && next >= 0) {
		YYPF(gslot_t) *YYCONST slot = &((YYPF(gslot_t) *) memo->slots)[YYPGINDEX(state, nonterm, memo->mask)];
		slot->state = state;
		slot->value = next;
	}
	return next;
}

/* Reviews the memo when its misses call for it, then keeps the goto. Apart
   from the rest so that a lookup before the memo starts, as in a short
   parse, costs little more than the walk down the chain. */
YYPAPART int YYPF(reviewgoto)(YYPF(memo_t) *memo, int state, int nonterm, int next, unsigned reads)
{
	YYPF(memoreview)(memo, sizeof(YYPF(gslot_t)), reads);
	return YYPF(keepgoto)(memo, state, nonterm, next);
}

/* Looks up a goto that missed the memo and keeps it there. */
YYPEXPAND int YYPF(missedgoto)(YYPP YYPF(memo_t) *memo, YYCONST int compact, int state, int nonterm,
			       unsigned reads)
{
	YYCONST int next = YYPF(findgoto)(YYPA compact, state, nonterm);
	if (--memo->misses == 0) {
		return YYPF(reviewgoto)(memo, state, nonterm, next, reads);
	}
	return YYPF(keepgoto)(memo, state, nonterm, next);
}

static YYPHOT int YYPF(fastgoto)(YYPP YYPF(memo_t) *memo, int state, int nonterm, unsigned reads)
{
	return YYPF(missedgoto)(YYPA memo, 0, state, nonterm, reads);
}

static int YYPF(compactgoto)(YYPP YYPF(memo_t) *memo, int state, int nonterm, unsigned reads)
{
	return YYPF(missedgoto)(YYPA memo, 1, state, nonterm, reads);
}

/* The action of a state of the compact tables for a token, packed as
   sr << 3 | type; a compact row is searched from its start. */
static int YYPF(compactfind)(YYPP YYPF(memo_t) *memo, int state, int token, unsigned reads)
{
	YYCONST YYPT(ctokenaction_t) *row = &YYPV(ctokenaction)[YYPV(cstateaction)[state]];
	int packed = YYAT_ERROR;
	int n;
	for (n = 0; n < YYPCHAINMAX; n++) {
		while (row->token != token && row->token != YYPTK_ALL) {
			row++;
		}
		if (row->token != YYPTK_ALL || row->type != YYAT_DEFAULT) {
			packed = row->sr << 3 | row->type;
			break;
		}
		row = &YYPV(ctokenaction)[YYPV(cstateaction)[row->sr]];
	}
	if (--memo->misses == 0) {
		YYPF(memoreview)(memo, sizeof(YYPF(slot_t)), reads);
	}
	if (memo->slots != memo->none) {
		YYPF(slot_t) *YYCONST slot = &((YYPF(slot_t) *) memo->slots)[YYPINDEX(state, token, memo->mask)];
		slot->key = YYPKEY(state, token);
		slot->value = packed;
	}
	return packed;
}

/* The loop over the tables while tracing is off. It reads the generated
   tables where they are, as they are, and derives nothing from them but
   the memos of what the parse itself looks up: the first parse costs no
   more than any other, any number of parsers and threads share the
   tables, and no grammar is too large for it. The stack top, the stacks,
   the current state and the lookahead live in locals and reach the
   parser's variables only where other code reads or changes them
   (actions, growth, error handling): SAVE writes them back, LOAD reads
   them again. Returns the result of the parse, or -1 when tracing was
   switched on and steploop is to go on. */
YYPEXPAND int YYPF(loop)(YYPP YYPF(memo_t) *YYCONST gotos, YYPF(memo_t) *YYCONST actions, YYCONST int compact,
			 YYCONST size_t size)
{
	YYCONST YYPT(reduction_t) *YYCONST reduction = YYPV(reduction);
	YYCONST YYPT(tokenaction_t) *YYCONST tokenaction = YYPV(tokenaction);
	YYCONST YYPT(stateaction_t) *YYCONST stateaction = YYPV(stateaction);
	YYCONST YYPT(ctokenaction_t) *YYCONST ctokenaction = YYPV(ctokenaction);
	YYCONST YYPT(cstateaction_t) *YYCONST cstateaction = YYPV(cstateaction);
	/* Unsigned, so that one comparison also refuses a negative index; the
	   size of the form not in the program is not there to be read. */
	YYCONST unsigned tokenactions = compact ? 0 : (unsigned) YYPV(tokenaction_size);
	YYPT(stack_t) *stack;
	char *values;
	int top;
	int token;
	int state;
	int result;
#define YYPSAVE() (YYPV(top) = top, YYPV(char) = token, YYPV(lookahead) = token >= 0)
#define YYPLOAD() (stack = YYPV(stackptr), values = (char *) YYPV(attributestackptr), top = YYPV(top), \
	token = YYPV(lookahead) ? YYPV(char) : -1, state = stack[top])
#define YYPVALUE(index) (values + (size_t) (index) * size)
/* Reads the lookahead unless one is held; a lexer that switched tracing
   on hands the parse to the stepping loop, which traces the token. */
#define YYPREAD() \
	if (token < 0) { \
		token = YYPGETTOKEN(); \
		gotos->clock++; \
		if (token < 0) { \
			token = 0; \
		} \
		if (YYPDEBUGON) { \
			YYPSAVE(); \
			YYPF(tracetoken)(YYPA "read", token); \
			return -1; \
		} \
	}
/* The goto from the state under the popped values, as next. The memo
   keeps no goto to no state. */
#define YYPGOTO(next, nonterm) \
	{ \
		YYCONST int from_ = stack[top]; \
		YYCONST int nonterm_ = (nonterm); \
		YYCONST YYPF(gslot_t) *YYCONST slots_ = (YYCONST YYPF(gslot_t) *) gotos->slots; \
		if (YYPLIKELY((unsigned) nonterm_ <= gotos->mask && \
			      slots_[YYPGINDEX(from_, nonterm_, gotos->mask)].state == from_)) { \
			next = slots_[YYPGINDEX(from_, nonterm_, gotos->mask)].value; \
		} \
		else { \
			next = compact ? YYPF(compactgoto)(YYPA gotos, from_, nonterm_, gotos->clock) : \
					 YYPF(fastgoto)(YYPA gotos, from_, nonterm_, gotos->clock); \
			if (next < 0) { \
				YYPSAVE(); \
				return YYPF(finish)(YYPA 1); \
			} \
		} \
	}
/* Makes room on the stack for a state that adds to it. Growing moves
   only the arrays, so only they are reloaded: the state in hand may be
   one that is not on the stack yet. */
#define YYPROOMOR(discard) \
	if (top + 1 >= YYPV(stack_size)) { \
		YYPSAVE(); \
		if (!YYPF(grow)(YYPA0)) { \
			YYPSTACKOVERFLOW(); \
			discard; \
			return YYPF(finish)(YYPA 1); \
		} \
		stack = YYPV(stackptr); \
		values = (char *) YYPV(attributestackptr); \
	}
#define YYPROOM() YYPROOMOR((void) 0)
	YYPLOAD();
	for (;;) {
		int type;
		int sr;
		/* The state's tokens, then those of its default states; the
		   last one's default applies. A state that lists no tokens and
		   reduces by default reduces without reading one, so that an
		   interactive parser acts on a line as soon as the line ends. */
		if (compact) {
			/* A state's own row is short (its default states hold the
			   rest), so it is searched first; the memo keeps only what
			   lies down the chain, which leaves it small. */
			YYCONST YYPT(ctokenaction_t) *row = &ctokenaction[cstateaction[state]];
			YYCONST YYPF(slot_t) *slot;
			int packed;
			if (row->token == YYPTK_ALL && row->type == YYAT_REDUCE) {
				sr = row->sr;
				goto reduce;
			}
			YYPREAD();
			while (row->token != token && row->token != YYPTK_ALL) {
				row++;
			}
			if (row->token != YYPTK_ALL || row->type != YYAT_DEFAULT) {
				type = row->type;
				sr = row->sr;
				goto act;
			}
			slot = &((YYCONST YYPF(slot_t) *) actions->slots)[YYPINDEX(state, token, actions->mask)];
			if (YYPLIKELY(slot->key == YYPKEY(state, token))) {
				packed = slot->value;
			}
			else {
				packed = YYPF(compactfind)(YYPA actions, state, token, gotos->clock);
			}
			type = packed & 7;
			sr = packed >> 3;
		}
		else {
			/* Unsigned: the state needs no widening on the way to its row. */
			YYCONST YYPT(stateaction_t) *YYCONST sa = &stateaction[(unsigned) state];
			if (!sa->lookahead && sa->type == YYAT_REDUCE) {
				sr = sa->sr;
				goto reduce;
			}
			YYPREAD();
			if (sa->lookahead) {
				YYCONST unsigned i = (unsigned) (sa->base + token);
				if (YYPLIKELY(i < tokenactions && tokenaction[i].check == state)) {
					type = tokenaction[i].type;
					sr = tokenaction[i].sr;
					goto act;
				}
			}
			if (sa->type == YYAT_REDUCE) {
				sr = sa->sr;
				goto reduce;
			}
			if (sa->type == YYAT_DEFAULT) {
				/* The tokens of the default states, which the
				   tables never let loop. */
				YYCONST YYPT(stateaction_t) *d = sa;
				int n;
				for (n = 0; n < YYPCHAINMAX; n++) {
					YYCONST int s = d->sr;
					d = &stateaction[s];
					if (d->lookahead) {
						YYCONST unsigned i = (unsigned) (d->base + token);
						if (i < tokenactions && tokenaction[i].check == s) {
							type = tokenaction[i].type;
							sr = tokenaction[i].sr;
							goto act;
						}
					}
					if (d->type != YYAT_DEFAULT) {
						break;
					}
				}
				type = d->type == YYAT_DEFAULT ? YYAT_ERROR : d->type;
				sr = d->sr;
			}
			else {
				type = sa->type;
				sr = sa->sr;
			}
		}
	act:
		if (type == YYAT_SHIFT) {
			YYPROOM();
			stack[++top] = state = sr;
			YYPCOPY(size, YYPVALUE(top), YYPV(lvalptr));
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
			YYCONST YYPT(reduction_t) *YYCONST r = &reduction[sr];
			YYCONST int length = r->length;
			if (r->action < 0) {
				/* $$ = $1 already holds: the first value sits
				   where the result goes. A unit rule has a way
				   of its own, so that the state underneath is
				   read while the rule's length is still on its
				   way from the table. */
				if (YYPLIKELY(length == 1)) {
					top--;
					YYPGOTO(state, r->nonterm);
					stack[++top] = state;
					continue;
				}
				if (length > 0) {
					top -= length;
					YYPGOTO(state, r->nonterm);
					stack[++top] = state;
					continue;
				}
				YYPROOM();
				YYPGOTO(state, r->nonterm);
				stack[++top] = state;
				YYPCLEARSIZED(size, YYPVALUE(top));
				continue;
			}
			/* $$ = $1 unless the action says otherwise; an empty rule
			   starts from a zero value so that destructors never see
			   garbage. The action reads the stack top, the lookahead
			   and the values through the parser's variables. */
			YYPSAVE();
			if (length > 0) {
				YYPCOPY(size, YYPV(valptr), YYPVALUE(top - length + 1));
			}
			else {
				YYPCLEARSIZED(size, YYPV(valptr));
			}
			YYPACTION(r->action);
			top -= length;
			/* The values of a rule whose action stopped the parse or
			   raised an error belong to that action now. */
			if (YYPV(exitflg) | YYPV(errorflg)) {
				YYPV(top) = top;
				if (YYPV(exitflg)) {
					return YYPF(finish)(YYPA YYPV(exitcode));
				}
				YYPV(errorflg) = 0;
				if (!YYPF(recover)(YYPA0)) {
					return YYPF(finish)(YYPA 1);
				}
				YYPLOAD();
				if (YYPDEBUGON) {
					return -1;
				}
				continue;
			}
			/* The action may have thrown the lookahead away, which
			   leaves no token in yychar either. Tracing that an
			   action switched on starts with the next token read. */
			token = YYPV(char);
			if (length == 0) {
				YYPROOMOR(YYPF(destroyunpushed)(YYPA YYPF(lookupgoto)(YYPA stack[top], r->nonterm)));
			}
			YYPGOTO(state, r->nonterm);
			stack[++top] = state;
			YYPCOPY(size, YYPVALUE(top), YYPV(valptr));
		}
	}
#undef YYPSAVE
#undef YYPLOAD
#undef YYPREAD
#undef YYPGOTO
#undef YYPROOM
#undef YYPROOMOR
#undef YYPVALUE
}

/* The memos of one parse. An action that throws leaves the parse through
   the loop: in C++ the memos go all the same. */
typedef struct YYPF(memos_t) {
	YYPF(memo_t) gotos;
	YYPF(memo_t) actions;
#ifdef __cplusplus
	~YYPF(memos_t)()
	{
		YYPF(memofree)(&gotos);
		YYPF(memofree)(&actions);
	}
#endif
} YYPF(memos_t);

/* A parse's loop with its memos, which lie in the loop's own frame: the
   compiler then knows that no store to the stack or the values reaches
   them, and keeps what it read of them in registers. */
YYPEXPAND int YYPF(framed)(YYPP YYCONST int compact, YYCONST size_t size)
{
	YYPF(memos_t) memos;
	int result;
	YYPF(memoinit)(&memos.gotos, YYPF(nogslots));
	YYPF(memoinit)(&memos.actions, YYPF(noslots));
	result = YYPF(loop)(YYPA &memos.gotos, compact ? &memos.actions : NULL, compact, size);
#ifndef __cplusplus
	YYPF(memofree)(&memos.gotos);
	YYPF(memofree)(&memos.actions);
#endif
	return result;
}

/* The loops, one function for each table form and usual value size, so
   that only the usual one lies in the hot text. */
#ifdef YYPBYTEVALUES
static YYPHOT YYPOWN int YYPF(fastloopint)(YYPP0)
{
	return YYPF(framed)(YYPA 0, sizeof(int));
}

static YYPOWN int YYPF(fastloopdouble)(YYPP0)
{
	return YYPF(framed)(YYPA 0, sizeof(double));
}

static YYPOWN int YYPF(compactloopint)(YYPP0)
{
	return YYPF(framed)(YYPA 1, sizeof(int));
}

static YYPOWN int YYPF(compactloopdouble)(YYPP0)
{
	return YYPF(framed)(YYPA 1, sizeof(double));
}
#endif

static YYPOWN int YYPF(fastloopany)(YYPP0)
{
	return YYPF(framed)(YYPA 0, YYPV(attribute_size));
}

static YYPOWN int YYPF(compactloopany)(YYPP0)
{
	return YYPF(framed)(YYPA 1, YYPV(attribute_size));
}

/* A first parse also waits for table lines that no one has read yet,
   one after another, since each step's row depends on the last. Asking
   for the tables' lines together lets those reads overlap: once per table
   set in a program, and for a grammar whose tables are small enough that
   a short parse meets most of their lines. A prefetch is a hint that
   never faults, so a stretch may run past its table. */
#ifdef __GNUC__
#ifndef YYPWARMBYTES
#define YYPWARMBYTES 8192
#endif
#define YYPWARMTABLES 5
typedef __UINTPTR_TYPE__ YYPF(address_t);

static void YYPF(warmrange)(YYPF(address_t) at, YYPF(address_t) end)
{
	/* Four lines a turn: the loop costs about a prefetch a line. */
	for (; at < end; at += 256) {
		__builtin_prefetch((YYCONST void *) at);
		__builtin_prefetch((YYCONST void *) (at + 64));
		__builtin_prefetch((YYCONST void *) (at + 128));
		__builtin_prefetch((YYCONST void *) (at + 192));
	}
}

/* Where the stretch of a table ends. The engine knows the length of some
   tables only; another ends where the next table above it starts, which
   is where compilers put the tables of one source, and never more than
   YYPWARMBYTES on. */
static YYPF(address_t) YYPF(warmend)(YYCONST YYPF(address_t) *start, YYCONST size_t *bytes, int k)
{
	YYPF(address_t) end = start[k] + YYPWARMBYTES;
	int j;
	if (bytes[k] != 0) {
		return bytes[k] < YYPWARMBYTES ? start[k] + bytes[k] : end;
	}
	for (j = 0; j < YYPWARMTABLES; j++) {
		if (start[j] > start[k] && start[j] < end) {
			end = start[j];
		}
	}
	return end;
}

static void YYPF(warm)(YYPP0)
{
	static YYCONST void *warmed;
	YYPF(address_t) start[YYPWARMTABLES];
	size_t bytes[YYPWARMTABLES] = { 0, 0, 0, 0, 0 };
	int k;
	YYCONST void *tables = YYPV(stateaction) != NULL ? (YYCONST void *) YYPV(stateaction) : (YYCONST void *) YYPV(cstateaction);
	if (__atomic_load_n(&warmed, __ATOMIC_RELAXED) == tables) {
		return;
	}
	__atomic_store_n(&warmed, tables, __ATOMIC_RELAXED);
	start[4] = (YYPF(address_t)) YYPV(reduction);
	if (YYPV(stateaction) != NULL) {
		start[0] = (YYPF(address_t)) YYPV(stateaction);
		start[1] = (YYPF(address_t)) YYPV(tokenaction);
		start[2] = (YYPF(address_t)) YYPV(stategoto);
		start[3] = (YYPF(address_t)) YYPV(nontermgoto);
		bytes[1] = (size_t) YYPV(tokenaction_size) * sizeof(YYPT(tokenaction_t));
		bytes[3] = (size_t) YYPV(nontermgoto_size) * sizeof(YYPT(nontermgoto_t));
		/* The tables of a grammar larger than the stretch are not worth
		   a start: a short parse meets their rows all over them. */
		if (bytes[1] > YYPWARMBYTES || bytes[3] > YYPWARMBYTES) {
			return;
		}
	}
	else {
		start[0] = (YYPF(address_t)) YYPV(cstateaction);
		start[1] = (YYPF(address_t)) YYPV(ctokenaction);
		start[2] = (YYPF(address_t)) YYPV(cstategoto);
		start[3] = (YYPF(address_t)) YYPV(cnontermgoto);
	}
	for (k = 0; k < YYPWARMTABLES; k++) {
		if (start[k] != 0) {
			YYPF(warmrange)(start[k], YYPF(warmend)(start, bytes, k));
		}
	}
}
#define YYPWARM() YYPF(warm)(YYPA0)
#else
#define YYPWARM() ((void) 0)
#endif

/* Parses with the loop until it hands over to the stepping loop. The fast
   tables find a token's action at once; the compact ones keep a memo of
   the actions too. */
static YYPHOT int YYPF(run)(YYPP0)
{
	YYCONST int compact = YYPF(compact)(YYPA0);
	YYPWARM();
#ifdef YYPBYTEVALUES
	if (YYPV(attribute_size) == sizeof(int)) {
		return compact ? YYPF(compactloopint)(YYPA0) : YYPF(fastloopint)(YYPA0);
	}
	if (YYPV(attribute_size) == sizeof(double)) {
		return compact ? YYPF(compactloopdouble)(YYPA0) : YYPF(fastloopdouble)(YYPA0);
	}
#endif
	return compact ? YYPF(compactloopany)(YYPA0) : YYPF(fastloopany)(YYPA0);
}

YYPHOT int YYCDECL YYPF(parse)(YYPP0)
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
	if (!YYPDEBUGON) {
		int result = YYPF(run)(YYPA0);
		if (result != -1) {
			return result;
		}
	}
	return YYPF(steploop)(YYPA0);
}
