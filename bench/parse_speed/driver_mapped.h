/* The driver for grammars with named tokens listed in NAMED_TOKENS: reads
   the token stream named on the command line into memory, gives the
   lexer (lexer_mapped.c) each named token's number in this parser, and
   times yyparse alone, printing the nanoseconds of processor time it
   took: on a shared machine the time on the wall counts other programs'
   turns too. Built with -DWALL_CLOCK it prints the time on the wall
   instead, for a parse too short for the processor clock, which takes a
   system call to read. */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include "read_stream.h"

#ifdef WALL_CLOCK
#define DRIVER_CLOCK CLOCK_MONOTONIC
#else
#define DRIVER_CLOCK CLOCK_THREAD_CPUTIME_ID
#endif

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
	size_t i;
	struct timespec start, end;
	int result;
	if (argc != 2 || (tokens = read_stream(argv[1], &count)) == NULL)
		return 2;
	for (i = 0; i < sizeof named / sizeof named[0]; i++)
		token_map[i] = named[i];
	clock_gettime(DRIVER_CLOCK, &start);
	result = yyparse();
	clock_gettime(DRIVER_CLOCK, &end);
	if (result != 0)
		return 1;
	printf("%lld\n", (long long) (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec));
	return 0;
}
