/* The names and the strings that Tally's parsers, tally.y and tally_mm.y,
   were handed, each kept once and known by its number; a name keeps its
   value beside it. */
#ifndef TALLY_POOL_H
#define TALLY_POOL_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct entry {
	char *text;
	long value;
	int set;
};

struct pool {
	struct entry *entries;
	int count;
	int size;
};

/* A copy of text; strdup is POSIX, not C, and a strict C build would
   not declare it. */
static char *copy_text(const char *text)
{
	size_t length = strlen(text) + 1;
	char *copy = malloc(length);
	if (copy == NULL) {
		fprintf(stderr, "out of memory\n");
		exit(2);
	}
	return memcpy(copy, text, length);
}

static int keep(struct pool *pool, const char *text)
{
	int i;
	for (i = 0; i < pool->count; i++) {
		if (strcmp(pool->entries[i].text, text) == 0)
			return i;
	}
	if (pool->count == pool->size) {
		int size = pool->size > 0 ? pool->size * 2 : 16;
		struct entry *entries = realloc(pool->entries, (size_t) size * sizeof *entries);
		if (entries == NULL) {
			fprintf(stderr, "out of memory\n");
			exit(2);
		}
		pool->entries = entries;
		pool->size = size;
	}
	pool->entries[pool->count].text = copy_text(text);
	pool->entries[pool->count].value = 0;
	pool->entries[pool->count].set = 0;
	return pool->count++;
}

static void release(struct pool *pool)
{
	int i;
	for (i = 0; i < pool->count; i++)
		free(pool->entries[i].text);
	free(pool->entries);
}

#endif
