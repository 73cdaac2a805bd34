/* The scanning engine, compiled once per width and scanner model: the
   including source defines YYLN, YYLCHAR and YYLINT, defines YYLWIDE for
   the Unicode width, and includes the width's header first. A source for
   the multiple models also defines YYLMULTI and YYLM, so that every name
   below reaches the scanner object instead of the file-scope variables.
   Not installed.

   How a token is scanned: characters are read through the input hook and
   followed through the tables until no transition is left, each stored in
   the text with the state it led to. The longest prefix whose state accepts
   a rule is the token; what was read past it goes back through the unput
   hook, so that the next token, input() and the line count all see it
   again. A rule with trailing context ends its token where the last state
   carrying its context mark was reached. REJECT takes the next rule of the
   same state, then the rules of shorter prefixes.

   While the program keeps the library's own input, getchar and unput
   hooks, the same scan runs without calling them: characters come straight
   from what was given back and from the stream, transitions from a cache
   of expanded rows, and only the last accepting position is remembered.
   The states of the text, the line count of what was read past the token
   and the hooks' bookkeeping are worked out afterwards, and only when a
   rule needs them (a list of rules, trailing context, REJECT). */

#include <stdlib.h>
#include <string.h>

#ifndef YYLMULTI
/* The single model keeps its state in globals named by the width. */
#define YYLV(stem) YYLN(stem)
#define YYLF(stem) YYLN(stem)
#define YYLP0 void
#define YYLP
#define YYLA0
#define YYLA
#define YYLGETCHAR() YYLN(getchar)()
#define YYLINPUT() YYLN(input)()
#define YYLOUTPUT(ch) YYLN(output)(ch)
#define YYLUNPUT(ch) YYLN(unput)(ch)
#define YYLWRAP() YYLN(wrap)()
#define YYLTEXTOVERFLOW() YYLN(textoverflow)()
#define YYLUNPUTOVERFLOW() YYLN(unputoverflow)()
#define YYLACTION(action) YYLN(lexeraction)(action)
#define YYLDEBUGON YYLN(lexdebug)
#define YYLDEBUGFLUSH YYLN(lexdebugflush)
#define YYLDEBUGOUT YYLN(lexdebugout)
#define YYLTMATCH YYLN(match)
#define YYLTSTATE YYLN(state)
#define YYLTBACKUP YYLN(backup)
#define YYLTTRANSITION YYLN(transition)
#define YYLTCTRANSITION YYLN(ctransition)
#define YYLPENDING YYLN(pendingunits)
#define YYLPENDINGCOUNT YYLN(pendingcount)
#define YYLOUTPENDING YYLN(outpending)

/* The generated source holds either the fast or the compact transitions.
   Weak references let one engine serve both: the form that the program
   did not define reads as NULL. */
#define YYLWEAK __attribute__((weak))
extern YYCONST YYLN(transition_t) YYLN(transition)[] YYLWEAK;
extern YYCONST YYLN(ctransition_t) YYLN(ctransition)[] YYLWEAK;
#ifdef YYLWIDE
extern long YYLN(transitionmax) YYLWEAK;
#else
extern int YYLN(transitionmax) YYLWEAK;
#endif
#define YYLTTRANSITIONMAX (&YYLN(transitionmax) != NULL ? (int) YYLN(transitionmax) : 0)

FILE *YYNEAR YYDCDECL YYLN(in) = NULL;
FILE *YYNEAR YYDCDECL YYLN(out) = NULL;
int YYNEAR YYDCDECL YYLN(leng) = 0;
int YYNEAR YYDCDECL YYLN(lineno) = 1;
int YYNEAR YYDCDECL YYLN(start) = 0;
int YYNEAR YYDCDECL YYLN(eol) = YYTRUE;
int YYNEAR YYDCDECL YYLN(oldeol) = YYTRUE;
int YYNEAR YYDCDECL YYLN(moreflg) = YYFALSE;
int YYNEAR YYDCDECL YYLN(rejectflg) = YYFALSE;
int YYNEAR YYDCDECL YYLN(returnflg) = YYFALSE;
int YYNEAR YYDCDECL YYLN(textgrow) = YYTRUE;
int YYNEAR YYDCDECL YYLN(unputgrow) = YYTRUE;
int YYNEAR YYDCDECL YYLN(unputindex) = 0;
int YYNEAR YYDCDECL YYLN(lexdebug) = 0;
int YYNEAR YYDCDECL YYLN(lexdebugflush) = 0;
FILE *YYNEAR YYDCDECL YYLN(lexdebugout) = NULL;

#ifdef YYLWIDE
static int YYLN(pendingunits)[3];
static int YYLN(pendingcount) = 0;
static int YYLN(outpending) = 0;
#endif

static void *YYLN(transitioncache) = NULL;
#define YYLCACHE YYLN(transitioncache)
#endif

/* A hook's default gives way to a definition of the program's own; a
   binding whose hooks are virtual functions overrides them there instead. */
#ifndef YYLDEFAULT
#define YYLDEFAULT __attribute__((weak))
#endif

/* Longest chain of default states followed in one lookup; the tables never
   loop, so reaching it means they are corrupt. */
#define YYLCHAINMAX 100000

/* A character of the text as the tables index it. */
#ifdef YYLWIDE
#define YYLUNIT(ch) ((int) (ch) & 0xFFFF)
#else
#define YYLUNIT(ch) ((int) (unsigned char) (ch))
#endif

static FILE *YYLF(instream)(YYLP0)
{
	return YYLV(in) != NULL ? YYLV(in) : stdin;
}

static FILE *YYLF(outstream)(YYLP0)
{
	return YYLV(out) != NULL ? YYLV(out) : stdout;
}

/* Makes room for at least need characters of text (and their states),
   within the maximum; 0 when that cannot be. */
static int YYLF(growtext)(YYLP int need)
{
	int size = YYLV(text_size);
	YYLCHAR YYFAR *text;
	int YYFAR *states;
	if (!YYLV(textgrow) || (YYLV(text_max) > 0 && need > YYLV(text_max))) {
		return 0;
	}
	while (size < need) {
		size = size > 0 ? size * 2 : 16;
	}
	if (YYLV(text_max) > 0 && size > YYLV(text_max)) {
		size = YYLV(text_max);
	}
	text = (YYLCHAR YYFAR *) malloc(((size_t) size + 1) * sizeof(YYLCHAR));
	states = (int YYFAR *) malloc((size_t) size * sizeof(int));
	if (text == NULL || states == NULL) {
		free(text);
		free(states);
		return 0;
	}
	if (YYLV(text) != NULL) {
		memcpy(text, YYLV(text), ((size_t) YYLV(text_size) + 1) * sizeof(YYLCHAR));
	}
	if (YYLV(statebuf) != NULL) {
		memcpy(states, YYLV(statebuf), (size_t) YYLV(text_size) * sizeof(int));
	}
	if (YYLV(text) != YYLV(stext)) {
		free(YYLV(text));
	}
	if (YYLV(statebuf) != YYLV(sstatebuf)) {
		free(YYLV(statebuf));
	}
	YYLV(text) = text;
	YYLV(statebuf) = states;
	YYLV(text_size) = size;
	return 1;
}

static int YYLF(growunput)(YYLP0)
{
	int size = YYLV(unput_size) > 0 ? YYLV(unput_size) * 2 : 16;
	int YYFAR *buffer;
	if (!YYLV(unputgrow) || (YYLV(unput_max) > 0 && YYLV(unput_size) >= YYLV(unput_max))) {
		return 0;
	}
	if (YYLV(unput_max) > 0 && size > YYLV(unput_max)) {
		size = YYLV(unput_max);
	}
	buffer = (int YYFAR *) malloc((size_t) size * sizeof(int));
	if (buffer == NULL) {
		return 0;
	}
	if (YYLV(unputindex) > 0) {
		memcpy(buffer, YYLV(unputbufptr), (size_t) YYLV(unputindex) * sizeof(int));
	}
	if (YYLV(unputbufptr) != YYLV(sunputbufptr)) {
		free(YYLV(unputbufptr));
	}
	YYLV(unputbufptr) = buffer;
	YYLV(unput_size) = size;
	return 1;
}

#ifdef YYLWIDE
/* The continuation bytes that lead announces (0 when it begins no
   sequence), the bits it gives, and the range its first continuation byte
   must lie in: the narrower ranges keep out overlong forms, surrogates and
   what lies beyond U+10FFFF. */
static int YYLF(sequence)(int lead, long *code, int *low, int *high)
{
	*low = 0x80;
	*high = 0xBF;
	if (lead >= 0xC2 && lead <= 0xDF) {
		*code = lead & 0x1F;
		return 1;
	}
	if (lead >= 0xE0 && lead <= 0xEF) {
		*code = lead & 0x0F;
		*low = lead == 0xE0 ? 0xA0 : 0x80;
		*high = lead == 0xED ? 0x9F : 0xBF;
		return 2;
	}
	if (lead >= 0xF0 && lead <= 0xF4) {
		*code = lead & 0x07;
		*low = lead == 0xF0 ? 0x90 : 0x80;
		*high = lead == 0xF4 ? 0x8F : 0xBF;
		return 3;
	}
	return 0;
}

/* UTF-8 in: each character becomes one code unit, or two (a surrogate
   pair) beyond U+FFFF. A byte that does not begin a well-formed sequence
   (a stray continuation byte, C0, C1, F5 to FF, a lead byte whose sequence
   is cut short, overlong, a surrogate or beyond U+10FFFF) becomes the lone
   low surrogate 0xDC00 + byte, which well-formed input never yields, and
   the bytes after it are read anew; the output hook writes such a unit back
   as the byte itself, so nothing is lost on the way through. This decodes
   the character that lead (not EOF, not ASCII) begins. */
static int YYLF(decode)(YYLP FILE *in, int lead)
{
	int need, low, high, k, n;
	int bytes[4];
	long code;
	need = YYLF(sequence)(lead, &code, &low, &high);
	if (need == 0) {
		return 0xDC00 + lead;
	}
	n = 0;
	for (k = 0; k < need; k++) {
		int byte = getc_unlocked(in);
		if (byte == EOF || byte < low || byte > high) {
			if (byte != EOF) {
				ungetc(byte, in);
			}
			for (k = 0; k < n; k++) {
				YYLPENDING[YYLPENDINGCOUNT++] = 0xDC00 + bytes[k];
			}
			return 0xDC00 + lead;
		}
		bytes[n++] = byte;
		code = (code << 6) | (byte & 0x3F);
		low = 0x80;
		high = 0xBF;
	}
	if (code >= 0x10000) {
		code -= 0x10000;
		YYLPENDING[YYLPENDINGCOUNT++] = 0xDC00 + (int) (code & 0x3FF);
		return 0xD800 + (int) (code >> 10);
	}
	return (int) code;
}

/* The next code unit of the stream: those decoded ahead come first. */
static int YYLF(readunit)(YYLP FILE *in)
{
	int lead;
	if (YYLPENDINGCOUNT > 0) {
		int k, unit = YYLPENDING[0];
		for (k = 1; k < YYLPENDINGCOUNT; k++) {
			YYLPENDING[k - 1] = YYLPENDING[k];
		}
		YYLPENDINGCOUNT--;
		return unit;
	}
	lead = getc_unlocked(in);
	if (lead == EOF || lead < 0x80) {
		return lead;
	}
	return YYLF(decode)(YYLA in, lead);
}

/* The character whose UTF-8 begins at p, decoded as decode would read it
   but left where it is, so that it is taken only if a transition accepts
   it: the bytes it takes, or 0 when its sequence runs past e and only the
   stream can tell how it ends. A character beyond U+FFFF gives its high
   surrogate, and its low one in *second; a byte that begins no
   well-formed sequence is one unit on its own, and so is each byte after
   it, as decode makes them. */
static int YYLF(peekunit)(const unsigned char *p, const unsigned char *e, int *unit, int *second)
{
	int need, low, high, k;
	long code;
	*second = -1;
	need = YYLF(sequence)(p[0], &code, &low, &high);
	for (k = 1; k <= need; k++) {
		if (p + k >= e) {
			return 0;
		}
		if (p[k] < low || p[k] > high) {
			need = 0;
			break;
		}
		code = (code << 6) | (p[k] & 0x3F);
		low = 0x80;
		high = 0xBF;
	}
	if (need == 0) {
		*unit = 0xDC00 + p[0];
		return 1;
	}
	if (code >= 0x10000) {
		code -= 0x10000;
		*second = 0xDC00 + (int) (code & 0x3FF);
		code = 0xD800 + (code >> 10);
	}
	*unit = (int) code;
	return need + 1;
}
#else
static int YYLF(readunit)(YYLP FILE *in)
{
#ifdef YYLMULTI
	(void) yy;
#endif
	return getc_unlocked(in);
}
#endif

/* The library's hooks are static functions under weak aliases, so that the
   engine can tell whether the program replaced them (the fast scan reads
   around them and must not when it did). */
#define YYLNAME(name) YYLNAME2(name)
#define YYLNAME2(name) #name
#ifndef YYLDEFAULTOF
#define YYLDEFAULTOF(hook) YYLDEFAULT __attribute__((alias(YYLNAME(YYLF(hook##default)))))
#endif

static int YYCDECL YYLF(getchardefault)(YYLP0)
{
#ifdef YYLWIDE
	return YYLF(readunit)(YYLA YYLF(instream)(YYLA0));
#else
	return getc_unlocked(YYLF(instream)(YYLA0));
#endif
}
int YYCDECL YYLF(getchar)(YYLP0) YYLDEFAULTOF(getchar);

#ifdef YYLWIDE
/* A code point as UTF-8; a lone surrogate takes the three bytes that its
   value would, so that nothing the program wrote is dropped. */
static void YYLF(putcode)(FILE *out, long code)
{
	if (code < 0x80) {
		putc((int) code, out);
	}
	else if (code < 0x800) {
		putc((int) (0xC0 | (code >> 6)), out);
		putc((int) (0x80 | (code & 0x3F)), out);
	}
	else if (code < 0x10000) {
		putc((int) (0xE0 | (code >> 12)), out);
		putc((int) (0x80 | ((code >> 6) & 0x3F)), out);
		putc((int) (0x80 | (code & 0x3F)), out);
	}
	else {
		putc((int) (0xF0 | (code >> 18)), out);
		putc((int) (0x80 | ((code >> 12) & 0x3F)), out);
		putc((int) (0x80 | ((code >> 6) & 0x3F)), out);
		putc((int) (0x80 | (code & 0x3F)), out);
	}
}

/* A high surrogate still waiting when another unit comes, or when the scan
   ends, has no low one to pair with: it goes out alone. */
static void YYLF(flushoutput)(YYLP0)
{
	if (YYLOUTPENDING != 0) {
		int first = YYLOUTPENDING;
		YYLOUTPENDING = 0;
		YYLF(putcode)(YYLF(outstream)(YYLA0), first);
	}
}

/* Code units out as UTF-8: a high surrogate waits for the low one that
   follows it, and a lone low surrogate from 0xDC80 to 0xDCFF is the byte
   that the input hook could not decode. */
YYLDEFAULT void YYCDECL YYLF(output)(YYLP int ch)
{
	FILE *out = YYLF(outstream)(YYLA0);
	ch &= 0xFFFF;
	if (YYLOUTPENDING != 0 && ch >= 0xDC00 && ch <= 0xDFFF) {
		long first = YYLOUTPENDING;
		YYLOUTPENDING = 0;
		YYLF(putcode)(out, 0x10000 + ((first - 0xD800) << 10) + (ch - 0xDC00));
		return;
	}
	YYLF(flushoutput)(YYLA0);
	if (ch >= 0xD800 && ch <= 0xDBFF) {
		YYLOUTPENDING = ch;
	}
	else if (ch >= 0xDC80 && ch <= 0xDCFF) {
		putc(ch - 0xDC00, out);
	}
	else {
		YYLF(putcode)(out, ch);
	}
}
#else
YYLDEFAULT void YYCDECL YYLF(output)(YYLP int ch)
{
	putc(ch, YYLF(outstream)(YYLA0));
}
#endif

/* input(): what was given back comes first. The line count and the
   beginning of a line follow every character read, so that characters the
   scanner reads ahead and gives back leave them as they were. Past the end
   of the input a line begins, as it does when the scan reaches the end:
   what an action gives back there starts one. */
static int YYCDECL YYLF(inputdefault)(YYLP0)
{
	int ch;
	if (YYLV(unputindex) > 0) {
		ch = YYLV(unputbufptr)[--YYLV(unputindex)];
	}
	else {
		ch = YYLGETCHAR();
	}
	if (ch != EOF) {
		if (ch == '\n') {
			YYLV(lineno)++;
		}
		YYLV(eol) = ch == '\n';
	}
	else {
		YYLV(eol) = YYTRUE;
	}
	return ch;
}

static void YYCDECL YYLF(unputdefault)(YYLP int ch)
{
	if (YYLV(unputindex) >= YYLV(unput_size) && !YYLF(growunput)(YYLA0)) {
		YYLUNPUTOVERFLOW();
		return;
	}
	ch = YYLUNIT(ch);
	YYLV(unputbufptr)[YYLV(unputindex)++] = ch;
	if (ch == '\n') {
		YYLV(lineno)--;
	}
}

int YYCDECL YYLF(input)(YYLP0) YYLDEFAULTOF(input);
void YYCDECL YYLF(unput)(YYLP int ch) YYLDEFAULTOF(unput);

/* Nonzero when the scan may read around the input hooks. */
#ifndef YYLFASTHOOKS
#ifdef YYLMULTI
#define YYLFASTHOOKS (yy->yymgetchar == YYLF(getchardefault) && yy->yyminput == YYLF(inputdefault) \
	&& yy->yymunput == YYLF(unputdefault))
#else
#define YYLFASTHOOKS (&YYLF(getchar) == &YYLF(getchardefault) && &YYLF(input) == &YYLF(inputdefault) \
	&& &YYLF(unput) == &YYLF(unputdefault))
#endif
#endif

YYLDEFAULT int YYCDECL YYLF(wrap)(YYLP0)
{
#ifdef YYLMULTI
	(void) yy;
#endif
	return 1;
}

#if defined(YYLREPORT)
/* The binding reports through a hook of its own. */
#elif defined(YYLMULTI)
#define YYLREPORT(text) YYLF(report)(yy, text)
static void YYLF(report)(YYLP YYCONST char *text)
{
	if (yy->yymerror != NULL) {
		yy->yymerror(yy, text);
	}
	else {
		YYLF(lexererror)(yy, text);
	}
}

YYLDEFAULT void YYCDECL YYLF(lexererror)(YYLP YYCONST char YYFAR *text)
{
	FILE *err = yy->yymerr != NULL ? yy->yymerr : stderr;
	fprintf(err, "%s\n", text);
	fflush(err);
}
#else
#define YYLREPORT(text) (fprintf(stderr, "%s\n", text), fflush(stderr))
#endif

YYLDEFAULT void YYCDECL YYLF(textoverflow)(YYLP0)
{
	YYLREPORT("lex text buffer overflow");
}

YYLDEFAULT void YYCDECL YYLF(unputoverflow)(YYLP0)
{
	YYLREPORT("lex unput buffer overflow");
}

void YYCDECL YYLF(echo)(YYLP0)
{
	int k;
	for (k = 0; k < YYLV(leng); k++) {
		YYLOUTPUT(YYLUNIT(YYLV(text)[k]));
	}
}

void YYCDECL YYLF(less)(YYLP int n)
{
	int k;
	if (n < 0) {
		n = 0;
	}
	if (n > YYLV(leng)) {
		n = YYLV(leng);
	}
	for (k = YYLV(leng) - 1; k >= n; k--) {
		YYLUNPUT(YYLUNIT(YYLV(text)[k]));
	}
	YYLV(leng) = n;
	YYLV(text)[n] = 0;
	YYLV(eol) = n > 0 ? YYLV(text)[n - 1] == '\n' : YYLV(oldeol);
}

/* The state that ch leads to from state, 0 when the token ends there. */
static int YYLF(next)(YYLP int state, int ch)
{
	int n;
	for (n = 0; n < YYLCHAINMAX; n++) {
		int def;
		if (YYLTCTRANSITION != NULL) {
			YYCONST YYLN(ctransition_t) *entry = &YYLTCTRANSITION[YYLTSTATE[state].base];
			for (; entry->next != -1; entry++) {
				if (ch <= entry->last) {
					if (ch >= entry->first) {
						return entry->next;
					}
					break;
				}
			}
		}
		else {
			int i = YYLTSTATE[state].base + ch;
			if (i >= 0 && i < YYLTTRANSITIONMAX && YYLTTRANSITION[i].check == state) {
				return YYLTTRANSITION[i].next;
			}
		}
		def = YYLTSTATE[state].def;
		if (def > 0) {
			state = def;
		}
		else {
			return def < 0 ? -def : 0;
		}
	}
	return 0;
}

/* Whether no character leads on from state, so that its token ends
   without a look at the next one: a scanner reading a terminal or a pipe
   then acts on a token as soon as it is typed, as the parser acts on a
   line as soon as it ends. A state is taken to go on when its tables
   leave any doubt; that costs only the wait. */
static int YYLF(ends)(YYLP int state)
{
	int n;
	for (n = 0; n < YYLCHAINMAX; n++) {
		int def;
		if (YYLTCTRANSITION != NULL) {
			if (YYLTCTRANSITION[YYLTSTATE[state].base].next != -1) {
				return 0;
			}
		}
		else if (YYLTSTATE[state].base != 0) {
			return 0;
		}
		def = YYLTSTATE[state].def;
		if (def <= 0) {
			return def == 0;
		}
		state = def;
	}
	return 0;
}

/* The transition cache behind the fast scan. Each state met gets a row of
   256 cells, one per character below 256 (Unicode scans look the others up
   in the tables every time). A cell is 0 until its character is first
   looked up from that state; then -1 when the token ends there, or the
   offset of the next state's row, negated when the character is a
   newline, which the line count needs to see. The offset is the cell
   itself, so that the next character's cell is a load away from the last
   one. Rows start at 1, so that a known cell is never 0 or -1. A scanner
   that meets more than YYLCACHEROWS states turns the cache off and scans
   through the tables alone. */
#ifndef YYLCACHEROWS
#define YYLCACHEROWS 16384
#endif

struct yylcache {
	int *cells;	/* rows * 256 */
	int *rowstate;	/* the state of each row */
	int *staterow;	/* the row of each state, 0 for none */
	int *rowrule;	/* the state's one rule when it has no context; -1 when it
			   accepts otherwise, 0 when it accepts nothing */
	int rows;	/* rows in use, row 0 included */
	int rowcap;
	int statecap;
	int off;	/* nonzero once the cache gave up */
	int start;	/* the start condition startoff belongs to */
	unsigned startoff[2];	/* its entries' row offsets, apart and at a line's start; 0 until known */
};

static void YYLF(cacheoff)(struct yylcache *cache)
{
	free(cache->cells);
	free(cache->rowstate);
	free(cache->staterow);
	free(cache->rowrule);
	cache->cells = cache->rowstate = cache->staterow = cache->rowrule = NULL;
	/* No start state has a row now, so a token loop that was running
	   when an action's own scan gave up stops at its next token without
	   a test of the flag. */
	cache->statecap = 0;
	cache->startoff[0] = cache->startoff[1] = 0;
	cache->off = 1;
}

#ifdef YYLMULTI
static void YYLF(cachefree)(struct yylcache *cache)
{
	if (cache != NULL) {
		YYLF(cacheoff)(cache);
		free(cache);
	}
}
#endif

/* The row of state, made on first use; 0 when the cache cannot hold it. */
static int YYLF(cacherow)(YYLP struct yylcache *cache, int state)
{
	int row;
	if (cache->off) {
		return 0;
	}
	if (state >= cache->statecap) {
		int cap = cache->statecap > 0 ? cache->statecap : 256;
		int *staterow;
		while (cap <= state) {
			cap *= 2;
		}
		staterow = (int *) realloc(cache->staterow, (size_t) cap * sizeof(int));
		if (staterow == NULL) {
			YYLF(cacheoff)(cache);
			return 0;
		}
		memset(staterow + cache->statecap, 0, (size_t) (cap - cache->statecap) * sizeof(int));
		cache->staterow = staterow;
		cache->statecap = cap;
	}
	if (cache->staterow[state] != 0) {
		return cache->staterow[state];
	}
	if (cache->rows >= cache->rowcap) {
		int cap = cache->rowcap > 0 ? cache->rowcap * 2 : 32;
		int *cells, *rowstate, *rowrule;
		if (cache->rows >= YYLCACHEROWS) {
			YYLF(cacheoff)(cache);
			return 0;
		}
		if (cap > YYLCACHEROWS) {
			cap = YYLCACHEROWS;
		}
		cells = (int *) realloc(cache->cells, (size_t) cap * 256 * sizeof(int));
		if (cells != NULL) {
			cache->cells = cells;
		}
		rowstate = (int *) realloc(cache->rowstate, (size_t) cap * sizeof(int));
		if (rowstate != NULL) {
			cache->rowstate = rowstate;
		}
		rowrule = (int *) realloc(cache->rowrule, (size_t) cap * sizeof(int));
		if (rowrule != NULL) {
			cache->rowrule = rowrule;
		}
		if (cells == NULL || rowstate == NULL || rowrule == NULL) {
			YYLF(cacheoff)(cache);
			return 0;
		}
		cache->rowcap = cap;
	}
	row = cache->rows++;
	memset(cache->cells + (size_t) row * 256, 0, 256 * sizeof(int));
	cache->rowstate[row] = state;
	cache->rowrule[row] = YYLTSTATE[state].match > 0 && !YYLTBACKUP[YYLTSTATE[state].match]
		? YYLTSTATE[state].match : -(YYLTSTATE[state].match != 0);
	cache->staterow[state] = row;
	return row;
}

/* The cache of the scanner, made on first use; NULL when there is none. */
static struct yylcache *YYLF(cache)(YYLP0)
{
	struct yylcache *cache = (struct yylcache *) YYLCACHE;
	if (cache == NULL) {
		cache = (struct yylcache *) calloc(1, sizeof(struct yylcache));
		if (cache == NULL) {
			return NULL;
		}
		cache->rows = 1;
		YYLCACHE = cache;
	}
	return cache->off ? NULL : cache;
}

/* The cell for ch (below 256 when cached) in the row at offset off, looked
   up in the tables on first use; 0 when the cache gave up on the way. */
static int YYLF(fillcell)(YYLP struct yylcache *cache, int off, int ch)
{
	int next = YYLF(next)(YYLA cache->rowstate[off >> 8], ch);
	int cell = -1;
	if (next > 0) {
		int row = YYLF(cacherow)(YYLA cache, next);
		if (row == 0) {
			return 0;
		}
		cell = row << 8;
		if (ch == '\n') {
			cell = -cell;
		}
	}
	if (ch < 256) {
		cache->cells[off + ch] = cell;
	}
	return cell;
}

/* The states that a fast scan did not keep: the state after each character
   of text[start..len), and the state the text leads to. */
static int YYLF(restate)(YYLP int first, int start, int len)
{
	int k, state = first;
	for (k = start; k < len; k++) {
		state = YYLF(next)(YYLA state, YYLUNIT(YYLV(text)[k]));
		YYLV(statebuf)[k] = state;
	}
	return state;
}

/* Gives a character back as the fast scan does: it was never counted. */
static void YYLF(pushback)(YYLP int ch)
{
	if (YYLV(unputindex) >= YYLV(unput_size) && !YYLF(growunput)(YYLA0)) {
		YYLUNPUTOVERFLOW();
		return;
	}
	YYLV(unputbufptr)[YYLV(unputindex)++] = ch;
}

/* Entry i of the state's match list, 0 past its end. */
static int YYLF(matchentry)(YYLP int state, int i)
{
	int match = YYLTSTATE[state].match;
	if (match >= 0) {
		return i == 0 ? match : 0;
	}
	return YYLTMATCH[-match + i];
}

static int YYLF(hasmark)(YYLP int state, int rule)
{
	int i, entry;
	for (i = 0; (entry = YYLF(matchentry)(YYLA state, i)) != 0; i++) {
		if (entry == -rule) {
			return 1;
		}
	}
	return 0;
}

static void YYLF(trace)(YYLP YYCONST char *what, int rule)
{
	FILE *out;
	int k;
	if (!YYLDEBUGON) {
		return;
	}
	out = YYLDEBUGOUT != NULL ? YYLDEBUGOUT : stdout;
	if (rule > 0) {
		fprintf(out, "lex: %s %d \"", what, rule);
	}
	else {
		fprintf(out, "lex: %s \"", what);
	}
	for (k = 0; k < YYLV(leng); k++) {
		int ch = YYLUNIT(YYLV(text)[k]);
		if (ch == '\n') {
			fputs("\\n", out);
		}
		else if (ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\') {
			putc(ch, out);
		}
		else {
			fprintf(out, ch < 0x100 ? "\\x%02x" : "\\x%04x", ch);
		}
	}
	fprintf(out, "\" line %d\n", YYLV(lineno));
	if (YYLDEBUGFLUSH) {
		fflush(out);
	}
}

/* Runs the action of the rule that the token in the text matched, traced;
   what the action returns. Neither flag needs clearing first: the
   generated action function sets the return flag on entry, and the reject
   flag is cleared wherever a REJECT is taken up, so it is clear whenever
   an action starts. REJECT leaves the return flag set, so a token loop
   that sees it clear knows the action neither returned nor rejected. */
static __inline__ YYLINT YYLF(act)(YYLP int rule)
{
	YYLF(trace)(YYLA "rule", rule);
	return YYLACTION(rule);
}

/* Where the fast scan reads: the stream's own buffer, for as long as it
   holds characters, so that a character is taken from it only once a
   transition accepts it; past the buffer, through getc_unlocked. The
   buffer is glibc's, whose layout its getc_unlocked macro fixes. */
#if defined(__GLIBC__) && !defined(YYLNOPEEK)
#define YYLCANPEEK 1
#define YYLPEEKSTART(in, p, e) ((p) = (YYLCHARPTR) (in)->_IO_read_ptr, (e) = (YYLCHARPTR) (in)->_IO_read_end)
#define YYLPEEKEND(in, p) ((in)->_IO_read_ptr = (char *) (p))
#else
#define YYLCANPEEK 0
#define YYLPEEKSTART(in, p, e) ((void) (in), (p) = (e) = NULL)
#define YYLPEEKEND(in, p) ((void) (in), (void) (p))
#endif
typedef const unsigned char *YYLCHARPTR;

/* Hides how a pointer was made, so that the compiler keeps it as it is. */
#ifdef __GNUC__
#define YYLOPAQUE(pointer) __asm__("" : "+r"(pointer))
#else
#define YYLOPAQUE(pointer) ((void) 0)
#endif

#ifdef YYLWIDE
#define YYLPEEKABLE(ch) ((ch) < 0x80)
#define YYLNOTHINGAHEAD(unput) ((unput) == 0 && YYLPENDINGCOUNT == 0)
#else
#define YYLPEEKABLE(ch) 1
#define YYLNOTHINGAHEAD(unput) ((unput) == 0)
#endif

/* A token on its way from the scan to its rule. */
struct yyltoken {
	int first;	/* the start state */
	int start;	/* where the token's own text begins, after what yymore() kept */
	int len;	/* the characters read */
	int ch;		/* the last character read, EOF at the end of the input */
	int state;	/* the state that text[start..len) leads to */
	int end;	/* where the token ends, once its rule is known */
	int settled;	/* the states of text[start..len) are in the state buffer */
	int reading;	/* the hooks have more to read */
	YYLCHAR saved;	/* the character that the token's closing 0 covers */
};

/* The fast scan of one token, from the start state's row: reads around the
   hooks until no transition is left, and leaves the character that has
   none unread. When the longest accepting prefix has one rule of its own
   without trailing context, the token is made ready for that rule, which
   is returned; otherwise 0, with the states settled for the general way.
   Kept out of line, so that its loop has the registers to itself. */
static __attribute__((noinline)) int YYLF(fastscan)(YYLP struct yylcache *cache, int firstrow,
	struct yyltoken *tok)
{
	FILE *in = YYLF(instream)(YYLA0);
	YYLCHAR YYFAR *text = YYLV(text);
	int size = YYLV(text_size);
	int unput = YYLV(unputindex);
	int *cells = cache->cells;
	YYCONST int *rowrule = cache->rowrule;
	int off = firstrow << 8;
	int accpos = 0, accoff = 0, newlines = 0, cacheoff = 0;
#ifdef YYLWIDE
	int second = -1;
#endif
	int len = tok->start;
	int ch = 0;
	int rule;
	YYLCHARPTR p, e;
	YYLPEEKSTART(in, p, e);
	for (;;) {
		int cell, peeked = 0;
		if (YYLNOTHINGAHEAD(unput)) {
			/* The usual case: characters straight from the stream's buffer
			   through known cells. */
			YYLCHARPTR stop = e - p > size - len ? p + (size - len) : e;
			while (p < stop) {
				ch = *p;
				if (!YYLPEEKABLE(ch)) {
					break;
				}
				cell = cells[off + ch];
				if (cell <= 0) {
					if (cell == -1) {
						goto done;
					}
					peeked = 1;
					goto looked;
				}
				p++;
				text[len++] = (YYLCHAR) ch;
				off = cell;
				if (rowrule[off >> 8] != 0) {
					accpos = len;
					accoff = off;
				}
			}
		}
		/* One character the long way: the end of the text buffer,
		   characters given back, the end of the stream's buffer, or a
		   character to decode. */
		if (unput > 0) {
			ch = YYLV(unputbufptr)[--unput];
		}
		else if (p < e && YYLNOTHINGAHEAD(unput) && YYLPEEKABLE(*p)) {
			ch = *p;
			peeked = 1;
		}
#ifdef YYLWIDE
		else if (p < e && YYLNOTHINGAHEAD(unput) && (peeked = YYLF(peekunit)(p, e, &ch, &second)) > 0) {
		}
#endif
		else {
			/* A character the stream has still to bring is waited for
			   only when the token may go on with it. */
			if (p >= e && len > tok->start && YYLF(ends)(YYLA cache->rowstate[off >> 8])) {
				break;
			}
			if (YYLCANPEEK && p >= e && YYLNOTHINGAHEAD(unput)) {
				/* The stream fills its buffer and keeps the character
				   there, to be looked at as any other. */
				int next;
				YYLPEEKEND(in, p);
				next = getc_unlocked(in);
				if (next == EOF) {
					YYLPEEKSTART(in, p, e);
					ch = EOF;
					break;
				}
				ungetc(next, in);
				YYLPEEKSTART(in, p, e);
				continue;
			}
			YYLPEEKEND(in, p);
			ch = YYLF(readunit)(YYLA in);
			YYLPEEKSTART(in, p, e);
			if (ch == EOF) {
				break;
			}
		}
#ifdef YYLWIDE
		cell = ch < 256 ? cells[off + ch] : 0;
#else
		cell = cells[off + ch];
#endif
	looked:
		/* A new cell, a newline, or the end of the token. */
		if (cell == 0) {
			cell = YYLF(fillcell)(YYLA cache, off, ch);
			if (cell == 0) {
				/* The hooks take over with this character still to come. */
				cacheoff = 1;
				cell = -1;
			}
			cells = cache->cells;
			rowrule = cache->rowrule;
		}
		/* Only a character that goes on with a full text overflows it,
		   and it ends the token as one without a transition does. */
		if (cell != -1 && len >= size) {
			if (YYLF(growtext)(YYLA len + 1)) {
				text = YYLV(text);
				size = YYLV(text_size);
			}
			else {
				YYLTEXTOVERFLOW();
				cell = -1;
			}
		}
		if (cell == -1) {
			if (!peeked) {
				YYLV(unputindex) = unput;
				YYLF(pushback)(YYLA ch);
				unput = YYLV(unputindex);
			}
			break;
		}
		if (cell < 0) {
			newlines++;
			cell = -cell;
		}
		p += peeked;
#ifdef YYLWIDE
		if (second >= 0) {
			YYLPENDING[YYLPENDINGCOUNT++] = second;
			second = -1;
		}
#endif
		text[len++] = (YYLCHAR) ch;
		off = cell;
		if (rowrule[off >> 8] != 0) {
			accpos = len;
			accoff = off;
		}
	}
done:
	YYLPEEKEND(in, p);
	YYLV(unputindex) = unput;
	YYLV(lineno) += newlines;
	tok->len = len;
	tok->ch = ch;
	tok->reading = cacheoff;
	rule = accpos > tok->start && !cacheoff ? cache->rowrule[accoff >> 8] : 0;
	if (rule > 0) {
		int k;
		/* What was read past the token goes back as the unput hook would
		   give it. */
		for (k = len - 1; k >= accpos; k--) {
			YYLF(unputdefault)(YYLA YYLUNIT(text[k]));
		}
		tok->end = accpos;
		tok->saved = text[accpos];
		text[accpos] = 0;
		YYLV(leng) = accpos;
		YYLV(eol) = text[accpos - 1] == '\n';
		tok->settled = 0;
	}
	else {
		tok->state = YYLF(restate)(YYLA tok->first, tok->start, len);
		rule = 0;
	}
	return rule;
}

/* The row of a start state, without a call once it has one. */
static int YYLF(startrow)(YYLP struct yylcache *cache, int state)
{
	if (state < cache->statecap && cache->staterow[state] != 0) {
		return cache->staterow[state];
	}
	return YYLF(cacherow)(YYLA cache, state);
}

/* What the token loop's scan of one token found. */
enum yylfast {
	YYLFASTNONE,	/* nothing taken: the token goes the general way */
	YYLFASTRETURN,	/* an action returned the token */
	YYLFASTREJECT	/* an action rejected; the token goes on the general way */
};

/* The token loop for the common case, which keeps what a token needs in
   registers from one token to the next: nothing given back or kept by
   yymore(), the start state's row and every cell on the way known, the
   whole token within the stream's buffer and the text buffer, and the
   longest accepting prefix with one rule of its own without trailing
   context. Such a token is taken from the stream and its action runs;
   anything else leaves the stream where the token starts and the token
   to the general way, which handles every case. */
static __inline__ __attribute__((always_inline)) int YYLF(fasttokens)(YYLP struct yylcache *cache, struct yyltoken *tok,
	YYLINT *token)
{
	for (;;) {
		FILE *in;
		YYLCHAR YYFAR *text;
		YYLCHARPTR p, e;
		/* Wide and unsigned, so that a cell's index needs no widening. */
		size_t off;
		int *cells = cache->cells;
		int i, n, len, newlines = 0, rule, first, eol = YYLV(eol) != 0;
		/* Unsigned, so that it is the next offset as it was loaded. */
		unsigned cell;
		YYLCHAR saved;
		YYLINT result;
		/* A token to trace goes the general way, which traces it. */
		if (!YYLNOTHINGAHEAD(YYLV(unputindex)) || YYLV(moreflg) || YYLDEBUGON) {
			return YYLFASTNONE;
		}
		first = YYLV(start) + 1 + eol;
		if (YYLV(start) != cache->start) {
			cache->start = YYLV(start);
			cache->startoff[0] = cache->startoff[1] = 0;
		}
		/* A branch, not an index: most tokens start apart from a line's
		   start, and the prediction spares the wait for the last token's
		   store of eol to come back from memory. */
		if (__builtin_expect(eol, 0)) {
			off = cache->startoff[1];
		}
		else {
			off = cache->startoff[0];
		}
		if (off == 0) {
			if (first >= cache->statecap || cache->staterow[first] == 0) {
				return YYLFASTNONE;
			}
			off = cache->startoff[eol] = (unsigned) cache->staterow[first] << 8;
		}
		in = YYLF(instream)(YYLA0);
		text = YYLV(text);
		YYLPEEKSTART(in, p, e);
		/* The text has room for text_size characters and the closing 0,
		   whose place the character the token ends before takes first:
		   a token of up to text_size characters is taken here, one
		   longer goes the general way, which grows the text, so that
		   tokens as long as the text never take that way again and
		   again. */
		n = e - p > YYLV(text_size) ? YYLV(text_size) + 1 : (int) (e - p);
		for (i = 0; i < n; i++) {
			int ch = p[i];
			YYCONST int *column;
			if (!YYLPEEKABLE(ch)) {
				return YYLFASTNONE;
			}
			/* The character the token ends before is copied too; the
			   closing 0 covers it. */
			text[i] = (YYLCHAR) ch;
			/* The character's column first: it is known before the
			   last cell, which then indexes it without an add on the
			   way from one cell to the next. The compiler is kept
			   from folding the two indexes back into one. */
			column = cells + (unsigned) ch;
			YYLOPAQUE(column);
			cell = (unsigned) column[off];
			if ((int) cell <= 0) {
				if (cell == (unsigned) -1) {
					break;
				}
				if (cell == 0) {
					return YYLFASTNONE;
				}
				newlines++;
				cell = -cell;
			}
			off = cell;
		}
		len = i;
		/* Only the state where the scan stopped is asked whether it
		   accepts: a token that ends there needs no record of the
		   accepting states on the way, and one that would back up to an
		   earlier one is rare enough to go the general way. So does a
		   token that may go on past either buffer, which the general way
		   reads on through the hooks. */
		if (i >= n || len == 0 || (rule = cache->rowrule[off >> 8]) <= 0) {
			return YYLFASTNONE;
		}
		/* Nothing past the token was read into the count. */
		YYLV(lineno) += newlines;
		YYLPEEKEND(in, p + len);
		saved = text[len];
		text[len] = 0;
		YYLV(leng) = len;
		YYLV(oldeol) = eol;
		YYLV(eol) = text[len - 1] == '\n';
		result = YYLACTION(rule);
		if (YYLV(returnflg)) {
			if (YYLV(rejectflg)) {
				tok->saved = saved;
				tok->first = first;
				tok->start = 0;
				tok->len = tok->end = len;
				tok->ch = 0;
				tok->settled = 0;
				tok->reading = 0;
				return YYLFASTREJECT;
			}
			*token = result;
			return YYLFASTRETURN;
		}
#ifdef YYLMULTI
		/* An action may hand the object other hooks. */
		if (!YYLFASTHOOKS) {
			return YYLFASTNONE;
		}
#endif
	}
}

/* Sets a token out from the start condition and what yymore() kept. */
static void YYLF(begintoken)(YYLP struct yyltoken *tok)
{
	tok->start = YYLV(moreflg) ? YYLV(leng) : 0;
	YYLV(moreflg) = YYFALSE;
	tok->first = YYLV(start) + (YYLV(eol) ? 2 : 1);
	/* Every token needs room for one character at least; a yymore()
	   text that leaves none is dropped. */
	if (tok->start >= YYLV(text_size) && !YYLF(growtext)(YYLA tok->start + 1)) {
		YYLTEXTOVERFLOW();
		tok->start = 0;
	}
	/* A yymore() text began where its first piece did: yyless(0) gives
	   all of it back, and the line's start is as it was there. */
	if (tok->start == 0) {
		YYLV(oldeol) = YYLV(eol);
	}
	tok->state = tok->first;
	tok->len = tok->start;
	tok->ch = 0;
	tok->settled = 1;
	tok->reading = 1;
}

/* Reads the rest of the token through the hooks, keeping each state. */
static void YYLF(slowscan)(YYLP struct yyltoken *tok)
{
	int len = tok->len, state = tok->state, ch = 0;
	for (;;) {
		int next;
		/* A start state with nothing to go on with reads on all the same:
		   the end of the input is found only by reading it. */
		if (len > tok->start && YYLF(ends)(YYLA state)) {
			break;
		}
		ch = YYLINPUT();
		if (ch == EOF) {
			break;
		}
		next = YYLF(next)(YYLA state, ch);
		if (next <= 0) {
			YYLUNPUT(ch);
			break;
		}
		/* Only a character that goes on with a full text overflows it. */
		if (len >= YYLV(text_size) && !YYLF(growtext)(YYLA len + 1)) {
			YYLTEXTOVERFLOW();
			YYLUNPUT(ch);
			break;
		}
		YYLV(text)[len] = (YYLCHAR) ch;
		YYLV(statebuf)[len] = next;
		len++;
		state = next;
	}
	tok->len = len;
	tok->state = state;
	tok->ch = ch;
}

/* The end of the input: yywrap() may bring more; otherwise an end-of-file
   rule of the start condition runs, or the scan ends. Returns 1 when the
   scan returns *token, 0 when it goes on. */
static int YYLF(endofinput)(YYLP struct yyltoken *tok, YYLINT *token)
{
	int k, rule;
	YYLV(leng) = tok->start;
	YYLV(text)[tok->start] = 0;
	if (!YYLWRAP()) {
		YYLV(eol) = YYTRUE;
		return 0;
	}
	for (k = 0; (rule = YYLF(matchentry)(YYLA tok->first, k)) < 0; k++) {
	}
	/* Whatever input the program gives next starts a line: given by an
	   end-of-file rule's action, or by the program once the scan ends. */
	YYLV(eol) = YYTRUE;
	if (rule == 0) {
#ifdef YYLWIDE
		YYLF(flushoutput)(YYLA0);
#endif
		YYLF(trace)(YYLA "end of input", 0);
		*token = 0;
		return 1;
	}
	YYLF(trace)(YYLA "end of input, rule", rule);
	*token = YYLACTION(rule);
	/* There is no other rule to go on to. */
	YYLV(rejectflg) = YYFALSE;
	return YYLV(returnflg);
}

/* After REJECT: back to the text as the scan left it, with its states. */
static void YYLF(unreject)(YYLP struct yyltoken *tok)
{
	int k;
	YYLV(rejectflg) = YYFALSE;
	YYLV(text)[tok->end] = tok->saved;
	for (k = tok->end; k < tok->len; k++) {
		(void) YYLINPUT();
	}
	if (!tok->settled) {
		(void) YYLF(restate)(YYLA tok->first, tok->start, tok->len);
		tok->settled = 1;
	}
}

/* The rule of the text read, searched from the prefix of length pos and
   its match entry index on: the longest prefix, and among rules of the
   same prefix the first, whose context (if it has one) ends within the
   text. Its action runs; REJECT goes on to the next candidate. Returns 1
   when the scan returns *token, 0 when it goes on to the next token. */
static int YYLF(choose)(YYLP struct yyltoken *tok, int pos, int index, YYLINT *token)
{
	int start = tok->start, len = tok->len, first = tok->first;
	for (;;) {
		int k, rule = 0, end = pos;
		while (pos > start) {
			int entry;
			int s = YYLV(statebuf)[pos - 1];
			while ((entry = YYLF(matchentry)(YYLA s, index)) != 0) {
				index++;
				if (entry < 0) {
					continue;
				}
				end = pos;
				if (YYLTBACKUP[entry]) {
					for (; end >= start; end--) {
						if (YYLF(hasmark)(YYLA end > start ? YYLV(statebuf)[end - 1] : first, entry)) {
							break;
						}
					}
					if (end < start) {
						continue;
					}
				}
				rule = entry;
				break;
			}
			if (rule != 0) {
				break;
			}
			pos--;
			index = 0;
		}

		if (rule == 0) {
			/* No rule matches: the first character is written out, as
			   lex's default rule does. */
			if (len == start) {
				int ch = YYLINPUT();
				if (ch == EOF) {
					return 0;
				}
				YYLV(text)[len++] = (YYLCHAR) ch;
				tok->len = len;
			}
			end = start + 1;
		}
		for (k = len - 1; k >= end; k--) {
			YYLUNPUT(YYLUNIT(YYLV(text)[k]));
		}
		YYLV(leng) = end;
		tok->end = end;
		tok->saved = YYLV(text)[end];
		YYLV(text)[end] = 0;
		YYLV(eol) = end > 0 ? YYLV(text)[end - 1] == '\n' : YYLV(oldeol);
		if (rule == 0) {
			YYLF(trace)(YYLA "no rule, echoed", 0);
			YYLF(echo)(YYLA0);
			return 0;
		}
		*token = YYLF(act)(YYLA rule);
		if (!YYLV(rejectflg)) {
			return YYLV(returnflg);
		}
		YYLF(unreject)(YYLA tok);
	}
}

/* One token the general way, from the start condition and what yymore()
   kept: through the cache as far as it goes, then through the hooks.
   Returns 1 when the scan returns *token, 0 when it goes on. */
static __attribute__((noinline)) int YYLF(generaltoken)(YYLP struct yylcache *cache, YYLINT *token)
{
	struct yyltoken tok;
	int rule = 0;
	YYLF(begintoken)(YYLA &tok);
	if (cache != NULL && !cache->off) {
		int row = YYLF(startrow)(YYLA cache, tok.first);
		if (row != 0) {
			rule = YYLF(fastscan)(YYLA cache, row, &tok);
		}
	}
	if (rule > 0) {
		/* Its rule is known without a search. */
		*token = YYLF(act)(YYLA rule);
		if (!YYLV(rejectflg)) {
			return YYLV(returnflg);
		}
		YYLF(unreject)(YYLA &tok);
		return YYLF(choose)(YYLA &tok, tok.end, 1, token);
	}
	if (tok.reading) {
		YYLF(slowscan)(YYLA &tok);
	}
	if (tok.ch == EOF && tok.len == tok.start) {
		return YYLF(endofinput)(YYLA &tok, token);
	}
	return YYLF(choose)(YYLA &tok, tok.len, 0, token);
}

/* A token of the token loop whose action rejected it. */
static __attribute__((noinline)) int YYLF(rejected)(YYLP struct yyltoken *tok, YYLINT *token)
{
	YYLF(unreject)(YYLA tok);
	return YYLF(choose)(YYLA tok, tok->end, 1, token);
}

int YYCDECL YYLF(lex)(YYLP0)
{
	YYLINT token;
	struct yylcache *cache;
	if (YYLV(in) == NULL) {
		YYLV(in) = stdin;
	}
	if (YYLV(out) == NULL) {
		YYLV(out) = stdout;
	}
#ifdef YYLMULTI
	cache = YYLFASTHOOKS ? YYLF(cache)(YYLA0) : NULL;
#else
	/* The hooks of one program never change: once it has a cache, they
	   need no look. */
	cache = (struct yylcache *) YYLCACHE;
	if (cache == NULL) {
		cache = YYLFASTHOOKS ? YYLF(cache)(YYLA0) : NULL;
	}
#endif
	for (;;) {
		if (cache != NULL && !cache->off) {
			struct yyltoken tok;
			switch (YYLF(fasttokens)(YYLA cache, &tok, &token)) {
			case YYLFASTRETURN:
				return (int) token;
			case YYLFASTREJECT:
				if (YYLF(rejected)(YYLA &tok, &token)) {
					return (int) token;
				}
				break;
			default:
				break;
			}
#ifdef YYLMULTI
			/* An action may have handed the object other hooks. */
			cache = YYLFASTHOOKS ? cache : NULL;
#endif
		}
		if (YYLF(generaltoken)(YYLA cache, &token)) {
			return (int) token;
		}
#ifdef YYLMULTI
		cache = YYLFASTHOOKS ? YYLF(cache)(YYLA0) : NULL;
#endif
	}
}
