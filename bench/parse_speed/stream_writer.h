/* What the token stream writers share: a random source with a fixed seed,
   so that every machine writes the same stream, and the output of tokens
   as native ints. A writer opens out before it writes. */
#include <stdio.h>
#include <stdlib.h>

static FILE *out;
static unsigned long long written;
static unsigned long long seed = 88172645463325252ULL;

/* xorshift64 */
static inline unsigned next(void)
{
	seed ^= seed << 13;
	seed ^= seed >> 7;
	seed ^= seed << 17;
	return (unsigned) (seed >> 32);
}

static inline void put(int token)
{
	fwrite(&token, sizeof token, 1, out);
	written++;
}

/* A named token is written as 1000 plus its place in the grammar's list
   of named tokens; the driver maps it to the parser's number. */
static inline void named(int token)
{
	put(1000 + token);
}
