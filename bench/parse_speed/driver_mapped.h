/* The driver for grammars with named tokens listed in NAMED_TOKENS: reads
   the token stream named on the command line into memory, gives the
   lexer (lexer_mapped.c) each named token's number in this parser, and
   times yyparse alone, printing the nanoseconds of processor time it
   took: on a shared machine the time on the wall counts other programs'
   turns too. */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

extern int *tokens;
extern size_t count;
extern size_t next;
extern int token_map[];

void yyerror(const char *message)
{
	fprintf(stderr, "%s at token %zu\n", message, next);
}

int main(int argc, char **argv)
{
	static const int named[] = {
#define T(name) name,
		NAMED_TOKENS
#undef T
	};
	FILE *in;
	long size;
	size_t i;
	struct timespec start, end;
	int result;
	if (argc != 2 || (in = fopen(argv[1], "rb")) == NULL)
		return 2;
	fseek(in, 0, SEEK_END);
	size = ftell(in);
	rewind(in);
	tokens = malloc((size_t) size + 1);
	if (tokens == NULL || fread(tokens, 1, (size_t) size, in) != (size_t) size)
		return 2;
	fclose(in);
	count = (size_t) size / sizeof(int);
	for (i = 0; i < sizeof named / sizeof named[0]; i++)
		token_map[i] = named[i];
	clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
	result = yyparse();
	clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
	if (result != 0)
		return 1;
	printf("%lld\n", (long long) (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec));
	return 0;
}
