/* The single-model parsing engine, compiled once per width: the including
   source defines YYPN, YYPCHAR, YYPTK_ERROR, YYPTK_ALL and YYPTRACESTR (the
   printf conversion of the width's strings) and includes the width's
   header first. Not installed. */

#include <stdlib.h>
#include <string.h>

/* The generated source holds either the fast or the compact tables, the
   debug tables only under YYDEBUG, and it is compiled after the library.
   Weak references let one engine serve every form: whatever the program
   did not define reads as NULL, and the form is chosen by what is there. */
#define YYPWEAK __attribute__((weak))
extern YYCONST YYPN(symbol_t) YYPN(symbol)[] YYPWEAK;
extern YYCONST YYPCHAR *YYCONST YYPN(rule)[] YYPWEAK;
extern int YYPN(tokenaction_size) YYPWEAK;
extern YYCONST YYPN(tokenaction_t) YYPN(tokenaction)[] YYPWEAK;
extern YYCONST YYPN(stateaction_t) YYPN(stateaction)[] YYPWEAK;
extern int YYPN(nontermgoto_size) YYPWEAK;
extern YYCONST YYPN(nontermgoto_t) YYPN(nontermgoto)[] YYPWEAK;
extern YYCONST YYPN(stategoto_t) YYPN(stategoto)[] YYPWEAK;
extern YYCONST YYPN(tokendest_t) *YYPN(tokendestptr) YYPWEAK;
extern int YYPN(tokendest_size) YYPWEAK;
extern YYCONST YYPN(tokendestbase_t) *YYPN(tokendestbaseptr) YYPWEAK;
extern int YYPN(tokendestbase_size) YYPWEAK;
extern YYCONST YYPN(ctokenaction_t) YYPN(ctokenaction)[] YYPWEAK;
extern YYCONST YYPN(cstateaction_t) YYPN(cstateaction)[] YYPWEAK;
extern YYCONST YYPN(cnontermgoto_t) YYPN(cnontermgoto)[] YYPWEAK;
extern YYCONST YYPN(cstategoto_t) YYPN(cstategoto)[] YYPWEAK;
extern YYCONST YYPN(ctokendest_t) *YYPN(ctokendestptr) YYPWEAK;
extern YYCONST YYPN(destructor_t) *YYPN(destructorptr) YYPWEAK;

int YYNEAR YYDCDECL YYPN(top) = -1;
int YYNEAR YYDCDECL YYPN(char) = -1;
int YYNEAR YYDCDECL YYPN(lookahead) = 0;
int YYNEAR YYDCDECL YYPN(skip) = 0;
int YYNEAR YYDCDECL YYPN(errorcount) = 0;
int YYNEAR YYDCDECL YYPN(exitflg) = 0;
int YYNEAR YYDCDECL YYPN(exitcode) = 0;
int YYNEAR YYDCDECL YYPN(errorflg) = 0;
int YYNEAR YYDCDECL YYPN(stackgrow) = 1;
int YYNEAR YYDCDECL YYPN(debug) = 0;
FILE *YYNEAR YYDCDECL YYPN(debugout) = NULL;

/* Recovery counts this many shifted tokens before errors are reported
   again. */
#define YYPSKIP 3

/* Longest chain of default states followed in one lookup; the tables never
   loop, so reaching it means the tables are corrupt. */
#define YYPCHAINMAX 100000

void YYCDECL YYPN(exit)(int exitcode)
{
	YYPN(exitflg) = 1;
	YYPN(exitcode) = exitcode;
}

void YYCDECL YYPN(forceerror)(void)
{
	YYPN(errorflg) = 1;
}

static char *YYPN(attributeat)(int index)
{
	return (char *) YYPN(attributestackptr) + (size_t) index * YYPN(attribute_size);
}

static FILE *YYPN(traceout)(void)
{
	return YYPN(debugout) != NULL ? YYPN(debugout) : stdout;
}

static YYCONST YYPCHAR *YYPN(tokenname)(int token)
{
	int i;
	if (YYPN(symbol) == NULL) {
		return NULL;
	}
	for (i = 0; YYPN(symbol)[i].name != NULL; i++) {
		if (YYPN(symbol)[i].token == token) {
			return YYPN(symbol)[i].name;
		}
	}
	return NULL;
}

static void YYPN(tracetoken)(YYCONST char *what, int token)
{
	YYCONST YYPCHAR *name;
	if (!YYPN(debug)) {
		return;
	}
	name = YYPN(tokenname)(token);
	if (name != NULL) {
		fprintf(YYPN(traceout)(), "%s token " YYPTRACESTR " (%d)\n", what, name, token);
	}
	else {
		fprintf(YYPN(traceout)(), "%s token %d\n", what, token);
	}
}

static void YYPN(tracerule)(int rule)
{
	if (!YYPN(debug)) {
		return;
	}
	if (YYPN(rule) != NULL) {
		fprintf(YYPN(traceout)(), "reduce rule (%d) " YYPTRACESTR "\n", rule, YYPN(rule)[rule]);
	}
	else {
		fprintf(YYPN(traceout)(), "reduce rule (%d)\n", rule);
	}
}

static void YYPN(tracestate)(YYCONST char *what, int state)
{
	if (YYPN(debug)) {
		fprintf(YYPN(traceout)(), "%s state %d (stack depth %d)\n", what, state, YYPN(top) + 1);
	}
}

static int YYPN(compact)(void)
{
	return YYPN(stateaction) == NULL && YYPN(cstateaction) != NULL;
}

/* The action for a token, following default action states. A token of -1
   asks only for the state's own default, which is exact when the state
   lists no tokens and its default is not another state. */
static void YYPN(lookupaction)(int state, int token, int *type, int *sr)
{
	int n;
	for (n = 0; n < YYPCHAINMAX; n++) {
		if (YYPN(compact)()) {
			YYCONST YYPN(ctokenaction_t) *row = &YYPN(ctokenaction)[YYPN(cstateaction)[state]];
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
			YYCONST YYPN(stateaction_t) *sa = &YYPN(stateaction)[state];
			if (sa->lookahead && token >= 0) {
				int i = sa->base + token;
				if (i >= 0 && i < YYPN(tokenaction_size) && YYPN(tokenaction)[i].check == state) {
					*type = YYPN(tokenaction)[i].type;
					*sr = YYPN(tokenaction)[i].sr;
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

/* Whether the state's action depends on the lookahead: a state that lists
   no tokens and reduces by default reduces without reading one, so that
   an interactive parser acts on a line as soon as the line ends. */
static int YYPN(needstoken)(int state)
{
	if (YYPN(compact)()) {
		YYCONST YYPN(ctokenaction_t) *row = &YYPN(ctokenaction)[YYPN(cstateaction)[state]];
		return row->token != YYPTK_ALL || row->type != YYAT_REDUCE;
	}
	else {
		YYCONST YYPN(stateaction_t) *sa = &YYPN(stateaction)[state];
		return sa->lookahead || sa->type != YYAT_REDUCE;
	}
}

/* The state entered after reducing to a nonterminal, -1 for none. */
static int YYPN(lookupgoto)(int state, int nonterm)
{
	int n;
	for (n = 0; n < YYPCHAINMAX && state >= 0; n++) {
		if (YYPN(compact)()) {
			YYCONST YYPN(cnontermgoto_t) *row = &YYPN(cnontermgoto)[YYPN(cstategoto)[state]];
			while (row->nonterm != -1 && row->nonterm != nonterm) {
				row++;
			}
			if (row->nonterm != -1) {
				return row->next;
			}
			state = row->next;
		}
		else {
			int i = YYPN(stategoto)[state].base + nonterm;
			if (i >= 0 && i < YYPN(nontermgoto_size) && YYPN(nontermgoto)[i].check == state) {
				return YYPN(nontermgoto)[i].next;
			}
			state = YYPN(stategoto)[state].def;
		}
	}
	return -1;
}

static int YYPN(tokendestructor)(int token)
{
	if (YYPN(compact)()) {
		YYCONST YYPN(ctokendest_t) *row = YYPN(ctokendestptr);
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
		if (YYPN(tokendestptr) == NULL || YYPN(tokendestbaseptr) == NULL) {
			return -1;
		}
		/* Runs cover disjoint token ranges, so at most one run owns the
		   position the token maps to. */
		for (run = 0; run < YYPN(tokendestbase_size); run++) {
			int i = YYPN(tokendestbaseptr)[run] + token;
			if (i >= 0 && i < YYPN(tokendest_size) && YYPN(tokendestptr)[i].check == run) {
				return YYPN(tokendestptr)[i].action;
			}
		}
		return -1;
	}
}

/* Destructor code reads the doomed value as $$, which is yyval. */
static void YYPN(destroy)(int action, YYCONST void *value)
{
	if (action < 0) {
		return;
	}
	memcpy(YYPN(valptr), value, YYPN(attribute_size));
	YYPN(parseraction)(action);
}

static void YYPN(destroytop)(void)
{
	int state = YYPN(stackptr)[YYPN(top)];
	if (YYPN(destructorptr) != NULL) {
		if (YYPN(debug)) {
			fprintf(YYPN(traceout)(), "discard value of state %d\n", state);
		}
		YYPN(destroy)(YYPN(destructorptr)[state], YYPN(attributeat)(YYPN(top)));
	}
	YYPN(top)--;
}

static void YYPN(destroylookahead)(void)
{
	if (!YYPN(lookahead)) {
		return;
	}
	YYPN(lookahead) = 0;
	/* The end of input carries no value and is never thrown away. */
	if (YYPN(char) != 0) {
		YYPN(tracetoken)("discard", YYPN(char));
		YYPN(destroy)(YYPN(tokendestructor)(YYPN(char)), YYPN(lvalptr));
		YYPN(discard)(YYPN(char));
	}
	YYPN(char) = -1;
}

void YYCDECL YYPN(clearlookahead)(void)
{
	YYPN(destroylookahead)();
}

/* Doubles the stacks until yystack_max (0: no limit). The initial arrays
   belong to the generated source and are never freed; once outgrown the
   stacks move to the heap and return to the initial arrays at the end of
   the parse. */
static int YYPN(grow)(void)
{
	int size;
	void *states;
	void *attributes;
	size_t count = (size_t) (YYPN(top) + 1);
	if (!YYPN(stackgrow) && YYPN(stackptr) != NULL) {
		return 0;
	}
	if (YYPN(stack_max) > 0 && YYPN(stack_size) >= YYPN(stack_max)) {
		return 0;
	}
	if (YYPN(stack_size) < 8) {
		size = 16;
	}
	else if (YYPN(stack_size) > 0x3fffffff) {
		return 0;
	}
	else {
		size = YYPN(stack_size) * 2;
	}
	if (YYPN(stack_max) > 0 && size > YYPN(stack_max)) {
		size = YYPN(stack_max);
	}
	states = malloc((size_t) size * sizeof(YYPN(stack_t)));
	attributes = malloc((size_t) size * YYPN(attribute_size));
	if (states == NULL || attributes == NULL) {
		free(states);
		free(attributes);
		return 0;
	}
	if (count > 0) {
		memcpy(states, YYPN(stackptr), count * sizeof(YYPN(stack_t)));
		memcpy(attributes, YYPN(attributestackptr), count * YYPN(attribute_size));
	}
	if (YYPN(stackptr) != YYPN(sstackptr)) {
		free(YYPN(stackptr));
		free(YYPN(attributestackptr));
	}
	YYPN(stackptr) = (YYPN(stack_t) *) states;
	YYPN(attributestackptr) = attributes;
	YYPN(stack_size) = size;
	if (YYPN(debug)) {
		fprintf(YYPN(traceout)(), "stack grown to %d\n", size);
	}
	return 1;
}

static void YYPN(releasestack)(void)
{
	if (YYPN(stackptr) != YYPN(sstackptr)) {
		free(YYPN(stackptr));
		free(YYPN(attributestackptr));
		YYPN(stackptr) = YYPN(sstackptr);
		YYPN(attributestackptr) = YYPN(sattributestackptr);
		YYPN(stack_size) = YYPN(sstack_size);
	}
}

/* Pushes a state with its value; on overflow reports it and returns 0. */
static int YYPN(push)(int state, YYCONST void *value)
{
	if (YYPN(top) + 1 >= YYPN(stack_size) && !YYPN(grow)()) {
		YYPN(stackoverflow)();
		return 0;
	}
	YYPN(top)++;
	YYPN(stackptr)[YYPN(top)] = state;
	if (value != NULL) {
		memcpy(YYPN(attributeat)(YYPN(top)), value, YYPN(attribute_size));
	}
	else {
		memset(YYPN(attributeat)(YYPN(top)), 0, YYPN(attribute_size));
	}
	return 1;
}

/* Ends the parse: every value still held is discarded through its
   destructor, whether the parse succeeded or not. */
static int YYPN(finish)(int code)
{
	YYPN(destroylookahead)();
	while (YYPN(top) >= 0) {
		YYPN(destroytop)();
	}
	YYPN(releasestack)();
	if (YYPN(debug)) {
		fprintf(YYPN(traceout)(), "%s\n", code == 0 ? "accept" : "abort");
	}
	return code;
}

/* Pops until a state shifts the error token and shifts it; returns 0 when
   the stack runs out. */
static int YYPN(recover)(void)
{
	while (YYPN(top) >= 0) {
		int type;
		int sr;
		YYPN(lookupaction)(YYPN(stackptr)[YYPN(top)], YYPTK_ERROR, &type, &sr);
		if (type == YYAT_SHIFT) {
			YYPN(tracetoken)("shift", YYPTK_ERROR);
			YYPN(skip) = YYPSKIP;
			return YYPN(push)(sr, NULL);
		}
		YYPN(destroytop)();
	}
	return 0;
}

int YYCDECL YYPN(parse)(void)
{
	YYPN(top) = -1;
	YYPN(char) = -1;
	YYPN(lookahead) = 0;
	YYPN(skip) = 0;
	YYPN(errorcount) = 0;
	YYPN(exitflg) = 0;
	YYPN(exitcode) = 0;
	YYPN(errorflg) = 0;
	if (YYPN(stateaction) == NULL && YYPN(cstateaction) == NULL) {
		/* A program without a generated parser in it. */
		return 1;
	}
	if (!YYPN(push)(0, NULL)) {
		return YYPN(finish)(1);
	}
	for (;;) {
		int state = YYPN(stackptr)[YYPN(top)];
		int type;
		int sr;
		YYPN(tracestate)("in", state);
		if (!YYPN(lookahead) && YYPN(needstoken)(state)) {
			YYPN(char) = YYPN(gettoken)();
			if (YYPN(char) < 0) {
				YYPN(char) = 0;
			}
			YYPN(lookahead) = 1;
			YYPN(tracetoken)("read", YYPN(char));
		}
		YYPN(lookupaction)(state, YYPN(lookahead) ? YYPN(char) : -1, &type, &sr);
		switch (type) {
		case YYAT_SHIFT:
			YYPN(tracetoken)("shift", YYPN(char));
			if (!YYPN(push)(sr, YYPN(lvalptr))) {
				return YYPN(finish)(1);
			}
			YYPN(lookahead) = 0;
			YYPN(char) = -1;
			if (YYPN(skip) > 0) {
				YYPN(skip)--;
			}
			break;
		case YYAT_REDUCE: {
			YYCONST YYPN(reduction_t) *r = &YYPN(reduction)[sr];
			int next;
			YYPN(tracerule)(sr);
			/* $$ = $1 unless the action says otherwise; an empty rule
			   starts from a zero value so that destructors never see
			   garbage. */
			if (r->length > 0) {
				memcpy(YYPN(valptr), YYPN(attributeat)(YYPN(top) - r->length + 1), YYPN(attribute_size));
			}
			else {
				memset(YYPN(valptr), 0, YYPN(attribute_size));
			}
			if (r->action >= 0) {
				YYPN(parseraction)(r->action);
			}
			/* The values of a rule whose action stopped the parse or
			   raised an error belong to that action now. */
			YYPN(top) -= r->length;
			if (YYPN(exitflg)) {
				return YYPN(finish)(YYPN(exitcode));
			}
			if (YYPN(errorflg)) {
				YYPN(errorflg) = 0;
				if (!YYPN(recover)()) {
					return YYPN(finish)(1);
				}
				break;
			}
			next = YYPN(lookupgoto)(YYPN(stackptr)[YYPN(top)], r->nonterm);
			if (next < 0) {
				return YYPN(finish)(1);
			}
			if (!YYPN(push)(next, YYPN(valptr))) {
				return YYPN(finish)(1);
			}
			break;
		}
		case YYAT_ACCEPT:
			return YYPN(finish)(0);
		case YYAT_ERROR:
		default:
			if (YYPN(skip) == YYPSKIP) {
				/* Recovery has shifted error but nothing since: this
				   token cannot follow, so it goes. */
				if (YYPN(char) == 0) {
					return YYPN(finish)(1);
				}
				YYPN(destroylookahead)();
				break;
			}
			if (YYPN(skip) == 0) {
				YYPN(errorcount)++;
				YYPN(syntaxerror)();
				if (YYPN(exitflg)) {
					return YYPN(finish)(YYPN(exitcode));
				}
			}
			if (!YYPN(recover)()) {
				return YYPN(finish)(1);
			}
			break;
		}
	}
}
