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
   same state, then the rules of shorter prefixes. */

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
/* UTF-8 in: each character becomes one code unit, or two (a surrogate
   pair) beyond U+FFFF. A byte that does not begin a well-formed sequence
   (a stray continuation byte, C0, C1, F5 to FF, a lead byte whose sequence
   is cut short, overlong, a surrogate or beyond U+10FFFF) becomes the lone
   low surrogate 0xDC00 + byte, which well-formed input never yields, and
   the bytes after it are read anew; the output hook writes such a unit back
   as the byte itself, so nothing is lost on the way through. */
YYLDEFAULT int YYCDECL YYLF(getchar)(YYLP0)
{
	FILE *in;
	int lead, need, low, high, k, n;
	int bytes[4];
	long code;
	if (YYLPENDINGCOUNT > 0) {
		int unit = YYLPENDING[0];
		for (k = 1; k < YYLPENDINGCOUNT; k++) {
			YYLPENDING[k - 1] = YYLPENDING[k];
		}
		YYLPENDINGCOUNT--;
		return unit;
	}
	in = YYLF(instream)(YYLA0);
	lead = getc(in);
	if (lead == EOF || lead < 0x80) {
		return lead;
	}
	low = 0x80;
	high = 0xBF;
	if (lead >= 0xC2 && lead <= 0xDF) {
		need = 1;
		code = lead & 0x1F;
	}
	else if (lead >= 0xE0 && lead <= 0xEF) {
		need = 2;
		code = lead & 0x0F;
		low = lead == 0xE0 ? 0xA0 : 0x80;
		high = lead == 0xED ? 0x9F : 0xBF;
	}
	else if (lead >= 0xF0 && lead <= 0xF4) {
		need = 3;
		code = lead & 0x07;
		low = lead == 0xF0 ? 0x90 : 0x80;
		high = lead == 0xF4 ? 0x8F : 0xBF;
	}
	else {
		return 0xDC00 + lead;
	}
	n = 0;
	for (k = 0; k < need; k++) {
		int byte = getc(in);
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

/* Code units out as UTF-8: a high surrogate waits for the low one that
   follows it, and a lone low surrogate from 0xDC80 to 0xDCFF is the byte
   that the input hook could not decode. */
YYLDEFAULT void YYCDECL YYLF(output)(YYLP int ch)
{
	FILE *out = YYLF(outstream)(YYLA0);
	ch &= 0xFFFF;
	if (YYLOUTPENDING != 0) {
		int first = YYLOUTPENDING;
		YYLOUTPENDING = 0;
		if (ch >= 0xDC00 && ch <= 0xDFFF) {
			YYLF(putcode)(out, 0x10000 + (((long) first - 0xD800) << 10) + (ch - 0xDC00));
			return;
		}
		YYLF(putcode)(out, first);
	}
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
YYLDEFAULT int YYCDECL YYLF(getchar)(YYLP0)
{
	return getc(YYLF(instream)(YYLA0));
}

YYLDEFAULT void YYCDECL YYLF(output)(YYLP int ch)
{
	putc(ch, YYLF(outstream)(YYLA0));
}
#endif

/* input(): what was given back comes first. The line count and the
   beginning of a line follow every character read, so that characters the
   scanner reads ahead and gives back leave them as they were. */
YYLDEFAULT int YYCDECL YYLF(input)(YYLP0)
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
	return ch;
}

YYLDEFAULT void YYCDECL YYLF(unput)(YYLP int ch)
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

int YYCDECL YYLF(lex)(YYLP0)
{
	if (YYLV(in) == NULL) {
		YYLV(in) = stdin;
	}
	if (YYLV(out) == NULL) {
		YYLV(out) = stdout;
	}
	for (;;) {
		int start = YYLV(moreflg) ? YYLV(leng) : 0;
		int first, state, len, ch, pos, index, rule, end, k;
		YYLCHAR saved;
		YYLINT token;
		YYLV(moreflg) = YYFALSE;
		YYLV(oldeol) = YYLV(eol);
		first = YYLV(start) + (YYLV(eol) ? 2 : 1);
		/* Every token needs room for one character at least; a yymore()
		   text that leaves none is dropped. */
		if (start >= YYLV(text_size) && !YYLF(growtext)(YYLA start + 1)) {
			YYLTEXTOVERFLOW();
			start = 0;
		}
		state = first;
		len = start;
		ch = 0;
		for (;;) {
			int next;
			if (len >= YYLV(text_size) && !YYLF(growtext)(YYLA len + 1)) {
				YYLTEXTOVERFLOW();
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
			YYLV(text)[len] = (YYLCHAR) ch;
			YYLV(statebuf)[len] = next;
			len++;
			state = next;
		}

		if (ch == EOF && len == start) {
			/* The end of the input: yywrap() may bring more; otherwise an
			   end-of-file rule of the start condition runs, or the scan
			   ends. */
			YYLV(leng) = start;
			YYLV(text)[start] = 0;
			if (!YYLWRAP()) {
				YYLV(eol) = YYTRUE;
				continue;
			}
			for (k = 0; (rule = YYLF(matchentry)(YYLA first, k)) < 0; k++) {
			}
			if (rule == 0) {
				YYLF(trace)(YYLA "end of input", 0);
				return 0;
			}
			YYLF(trace)(YYLA "end of input, rule", rule);
			YYLV(returnflg) = YYFALSE;
			token = YYLACTION(rule);
			if (YYLV(returnflg)) {
				return (int) token;
			}
			continue;
		}

		pos = len;
		index = 0;
		for (;;) {
			rule = 0;
			end = pos;
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
					ch = YYLINPUT();
					if (ch == EOF) {
						break;
					}
					YYLV(text)[len++] = (YYLCHAR) ch;
				}
				end = start + 1;
			}
			for (k = len - 1; k >= end; k--) {
				YYLUNPUT(YYLUNIT(YYLV(text)[k]));
			}
			YYLV(leng) = end;
			saved = YYLV(text)[end];
			YYLV(text)[end] = 0;
			YYLV(eol) = end > 0 ? YYLV(text)[end - 1] == '\n' : YYLV(oldeol);
			if (rule == 0) {
				YYLF(trace)(YYLA "no rule, echoed", 0);
				YYLF(echo)(YYLA0);
				break;
			}
			YYLF(trace)(YYLA "rule", rule);
			YYLV(rejectflg) = YYFALSE;
			YYLV(returnflg) = YYFALSE;
			token = YYLACTION(rule);
			if (YYLV(rejectflg)) {
				/* Back to the text as the scan left it, and on to the next
				   candidate. */
				YYLV(rejectflg) = YYFALSE;
				YYLV(text)[end] = saved;
				for (k = end; k < len; k++) {
					(void) YYLINPUT();
				}
				continue;
			}
			if (YYLV(returnflg)) {
				return (int) token;
			}
			break;
		}
	}
}
