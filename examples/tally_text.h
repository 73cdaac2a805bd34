/* What Tally's scanners, tally.l and tally_mm.l, do with the text they
   read: the string being read, its escapes undone, and the text in UTF-8
   as the parser keeps it. Included after the scanner's runtime header, so
   that the same source serves a byte scanner and a Unicode one (-W),
   whose yytext holds UTF-16. */
#ifndef TALLY_TEXT_H
#define TALLY_TEXT_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#if defined(YYWLEX_H) || defined(YYWMLEX_H)
typedef wchar_t text_t;
#define to_number(text) wcstol(text, NULL, 10)
#else
typedef char text_t;
#define to_number(text) atol(text)
#endif

struct string {
	char *text;
	int length;
	int size;
};

static void *allocate(void *memory, size_t size)
{
	memory = realloc(memory, size);
	if (memory == NULL) {
		fprintf(stderr, "out of memory\n");
		exit(2);
	}
	return memory;
}

static int put_utf8(char *bytes, unsigned long c)
{
	if (c < 0x80) {
		bytes[0] = (char) c;
		return 1;
	}
	if (c < 0x800) {
		bytes[0] = (char) (0xc0 | c >> 6);
		bytes[1] = (char) (0x80 | (c & 0x3f));
		return 2;
	}
	if (c < 0x10000) {
		bytes[0] = (char) (0xe0 | c >> 12);
		bytes[1] = (char) (0x80 | (c >> 6 & 0x3f));
		bytes[2] = (char) (0x80 | (c & 0x3f));
		return 3;
	}
	bytes[0] = (char) (0xf0 | c >> 18);
	bytes[1] = (char) (0x80 | (c >> 12 & 0x3f));
	bytes[2] = (char) (0x80 | (c >> 6 & 0x3f));
	bytes[3] = (char) (0x80 | (c & 0x3f));
	return 4;
}

/* The text in UTF-8, for the caller to free: bytes stay as they are, and
   UTF-16 units are joined into characters. */
static char *narrow(const text_t *text, int count)
{
	char *bytes = allocate(NULL, (size_t) count * 3 + 1);
	int length = 0;
	int i;
	for (i = 0; i < count; i++) {
		unsigned long c = (unsigned long) text[i];
		if (sizeof(text_t) == 1) {
			bytes[length++] = (char) text[i];
			continue;
		}
		if (c - 0xd800 < 0x400 && i + 1 < count && (unsigned long) text[i + 1] - 0xdc00 < 0x400)
			c = 0x10000 + ((c - 0xd800) << 10) + ((unsigned long) text[++i] - 0xdc00);
		length += put_utf8(bytes + length, c);
	}
	bytes[length] = 0;
	return bytes;
}

static void add(struct string *string, const char *more, int count)
{
	if (string->length + count + 1 > string->size) {
		int grown = string->size > 0 ? string->size * 2 : 64;
		while (grown < string->length + count + 1)
			grown *= 2;
		string->text = allocate(string->text, (size_t) grown);
		string->size = grown;
	}
	memcpy(string->text + string->length, more, (size_t) count);
	string->length += count;
	string->text[string->length] = 0;
}

static void add_text(struct string *string, const text_t *text, int count)
{
	char *bytes = narrow(text, count);
	add(string, bytes, (int) strlen(bytes));
	free(bytes);
}

/* The string read so far, for the caller to free; the next one starts
   empty. */
static char *take(struct string *string)
{
	char *text;
	add(string, "", 0);
	text = string->text;
	string->text = NULL;
	string->length = string->size = 0;
	return text;
}

#endif
