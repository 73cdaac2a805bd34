// The C++ parsers' side of the benchmark: the token stream is read into
// memory by load(), the lexer in lexer.c hands it out, and report() prints
// the time since load() returned, so that only the parse counts.
#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" {
extern int *tokens;
extern size_t count;
extern size_t next;
extern int number_token;
int yylex(void);
}

static struct timespec start;

static bool load(const char *name)
{
	FILE *in = std::fopen(name, "rb");
	if (in == NULL)
		return false;
	std::fseek(in, 0, SEEK_END);
	long size = std::ftell(in);
	std::rewind(in);
	tokens = static_cast<int *>(std::malloc(static_cast<size_t>(size)));
	if (tokens == NULL || std::fread(tokens, 1, static_cast<size_t>(size), in) != static_cast<size_t>(size))
		return false;
	std::fclose(in);
	count = static_cast<size_t>(size) / sizeof(int);
	clock_gettime(CLOCK_MONOTONIC, &start);
	return true;
}

static int report(int result)
{
	struct timespec end;
	clock_gettime(CLOCK_MONOTONIC, &end);
	if (result != 0)
		return 1;
	std::printf("%lld\n", (long long) (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec));
	return 0;
}
