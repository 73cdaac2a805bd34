/* The scanning engine on arbitrary input, twice: one scanner object reads
   its stream through the library's own hooks, which lets the engine take
   tokens straight from the stream's buffer through its transition cache;
   the other through a getchar hook of the program's (which only hands on
   the library's), which sends every token the general way, character by
   character through the tables. Both must see the same tokens (rule, text
   and line), the same characters read by input(), the same overflows and
   echo the same characters, and the sanitizers watch both. The buffers
   start small and have limits that long tokens reach. Built for the byte
   scanner, or with SCAN_WIDE for the Unicode one, whose input is UTF-8,
   well formed or not. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "scan_record.h"
#ifdef SCAN_WIDE
#include "yywmlex.h"
#define LEXER(stem) yywm##stem
#else
#include "yymlex.h"
#define LEXER(stem) yym##stem
#endif

typedef LEXER(lexer_t) lexer_t;

extern lexer_t scan;

struct log {
	char *text;
	size_t size;
	size_t capacity;
};

/* The log that the scanner running now writes to. */
static struct log *current;

static void append(const void *bytes, size_t size)
{
	if (current->size + size > current->capacity) {
		size_t capacity = current->capacity * 2 + size + 64;
		char *text = (char *) realloc(current->text, capacity);
		if (text == NULL) {
			abort();
		}
		current->text = text;
		current->capacity = capacity;
	}
	memcpy(current->text + current->size, bytes, size);
	current->size += size;
}

void scan_record(int rule, const scan_unit *text, int length, int line)
{
	char head[48];
	int n = snprintf(head, sizeof head, "%d %d %d:", rule, length, line);
	append(head, (size_t) n);
	append(text, (size_t) length * sizeof *text);
	append("\n", 1);
}

void scan_character(int ch)
{
	char head[24];
	int n = snprintf(head, sizeof head, "input %d\n", ch);
	append(head, (size_t) n);
}

/* The program's hook, which reads as the library does. */
static int YYCDECL handing_on(lexer_t *yy)
{
	return LEXER(getchar)(yy);
}

static void YYCDECL text_overflow(lexer_t *yy)
{
	(void) yy;
	append("text overflow\n", 14);
}

static void YYCDECL unput_overflow(lexer_t *yy)
{
	(void) yy;
	append("unput overflow\n", 15);
}

/* Runs a fresh scanner over the input into log, through the program's
   hook when hooked. */
static void run(const uint8_t *data, size_t size, int hooked, struct log *log)
{
	/* fmemopen refuses an empty buffer. */
	static const char nothing[1] = { 0 };
	lexer_t lexer;
	FILE *stream = fmemopen(size > 0 ? (void *) data : (void *) nothing, size, "r");
	char *echoed = NULL;
	size_t echoed_size = 0;
	FILE *echo = open_memstream(&echoed, &echoed_size);
	int tokens = 0;
	if (stream == NULL || echo == NULL) {
		abort();
	}
	current = log;
	if (!LEXER(createlexer)(&lexer, &scan)) {
		abort();
	}
	lexer.yymtextoverflow = text_overflow;
	lexer.yymunputoverflow = unput_overflow;
	lexer.yymin = stream;
	/* What the default action echoes joins the log at the end. */
	lexer.yymout = echo;
	if (hooked) {
		lexer.yymgetchar = handing_on;
	}
	while (LEXER(lex)(&lexer) != 0) {
		/* Every return takes at least one character or ends the input. */
		if (++tokens > (int) size + 2) {
			abort();
		}
	}
	LEXER(destroylexer)(&lexer);
	fclose(stream);
	fclose(echo);
	append("echoed:", 7);
	append(echoed, echoed_size);
	free(echoed);
}

/* How much of a log the two ways must agree on: all of it, or up to the
   first overflow, after which what was lost may differ. The hook way
   overflows sooner: the character it read past a token waits in the
   unput buffer, where the stream way leaves it in the stream. */
static size_t comparable(const struct log *log)
{
	static const char mark[] = " overflow\n";
	size_t k;
	for (k = 0; k + sizeof mark - 1 <= log->size; k++) {
		if (memcmp(log->text + k, mark, sizeof mark - 1) == 0) {
			/* From the start of its line. */
			while (k > 0 && log->text[k - 1] != '\n') {
				k--;
			}
			return k;
		}
	}
	return log->size;
}

/* The first line where the two logs differ, shortened. */
static void report(const struct log *a, const struct log *b)
{
	size_t k = 0, line = 0;
	while (k < a->size && k < b->size && a->text[k] == b->text[k]) {
		k++;
	}
	while (line < k && a->text[k - line - 1] != '\n') {
		line++;
	}
	fprintf(stderr, "the two ways disagree at byte %zu:\n  stream: %.60s\n  hook:   %.60s\n", k,
		a->text + k - line, b->text + k - line);
}

int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	struct log streamed = { NULL, 0, 0 };
	struct log hooked = { NULL, 0, 0 };
	size_t length, hooked_length;
	run(data, size, 0, &streamed);
	run(data, size, 1, &hooked);
	length = comparable(&streamed);
	hooked_length = comparable(&hooked);
	if (hooked_length < length) {
		length = hooked_length;
	}
	if (memcmp(streamed.text, hooked.text, length) != 0) {
		report(&streamed, &hooked);
		abort();
	}
	free(streamed.text);
	free(hooked.text);
	return 0;
}
