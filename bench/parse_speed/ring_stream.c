/* Writes a random valid token stream (fixed seed) for the ring grammars
   of bench/GrammarGenerator.cpp as native ints: characters stand for
   themselves, a named token is 1000 plus its place in ring_tokens.h.
   Each statement walks the ring from n0 for a random number of steps, up
   to twice around it, so that the parse passes through every state.

     ring_stream NONTERMINALS TOKENS FILE */
#include "stream_writer.h"

enum { ID, NUMBER, K0 };

static long ring;

static void keyword(long index)
{
	named(K0 + (int) (index % 64));
}

/* A sentence of nonterminal n(index) that goes steps further round the
   ring; written without recursion, since a walk is thousands deep. Each
   step is "leaf '=' n(i+1) ';'" or "K(i+1) '[' n(i+1) ']'", wrapped now
   and then in "'(' ... ')'" or followed by "',' K(i)". */
static void walk(long steps)
{
	static int *closers;
	static long capacity;
	long depth = 0;
	long i;
	if (capacity < 2 * steps + 2) {
		capacity = 2 * steps + 2;
		closers = realloc(closers, (size_t) capacity * sizeof *closers);
		if (closers == NULL)
			exit(2);
	}
	for (i = 0; i <= steps; i++) {
		long at = i % ring;
		unsigned pick = next() % 100;
		int parenthesised = pick < 5;
		int listed = pick >= 95;
		if (parenthesised)
			put('(');
		/* What closes this level after the deeper ones: its step's
		   closer first, then its parentheses and its list. */
		closers[depth++] = (listed ? 2 : 0) | (parenthesised ? 1 : 0) | (int) (at << 2) | 1 << 30;
		if (i == steps) {
			named(at % 2 == 0 ? ID : NUMBER);
		} else if (next() % 2) {
			named(at % 2 == 0 ? ID : NUMBER);
			put('=');
			closers[depth++] = ';';
		} else {
			keyword(at + 1);
			put('[');
			closers[depth++] = ']';
		}
	}
	while (depth > 0) {
		int closer = closers[--depth];
		if (closer & 1 << 30) {
			long at = (closer & ~(1 << 30)) >> 2;
			if (closer & 1)
				put(')');
			if (closer & 2) {
				put(',');
				keyword(at);
			}
		} else {
			put(closer);
		}
	}
}

int main(int argc, char **argv)
{
	unsigned long long wanted;
	if (argc != 4 || (ring = strtol(argv[1], NULL, 10)) < 2 || (out = fopen(argv[3], "wb")) == NULL)
		return 2;
	wanted = strtoull(argv[2], NULL, 10);
	while (written < wanted) {
		walk((long) (next() % (unsigned long) (2 * ring)));
		put(';');
	}
	fclose(out);
	printf("%llu\n", written);
	return 0;
}
