/* Reads a token stream file into memory for the benchmark drivers: its
   tokens, with their count in count; NULL when it cannot be read. */
#include <stdio.h>
#include <stdlib.h>

static int *read_stream(const char *path, size_t *count)
{
	FILE *in = fopen(path, "rb");
	long size;
	int *read;
	if (in == NULL)
		return NULL;
	fseek(in, 0, SEEK_END);
	size = ftell(in);
	rewind(in);
	read = malloc((size_t) size + 1);
	if (read == NULL || fread(read, 1, (size_t) size, in) != (size_t) size) {
		fclose(in);
		return NULL;
	}
	fclose(in);
	*count = (size_t) size / sizeof(int);
	return read;
}
