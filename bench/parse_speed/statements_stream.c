/* Writes a random valid token stream for statements.y (fixed seed) as
   native ints: characters stand for themselves, a named token is 1000
   plus its place in the grammar's NAMED_TOKENS.

     statements_stream TOKENS FILE */
#include "stream_writer.h"

enum { ID, NUMBER, IF, ELSE, WHILE, PRINT, RETURN, EQ };

static void expression(int depth);

static void primary(int depth)
{
	unsigned pick = next() % 100;
	if (depth < 6 && pick < 8) {
		put('(');
		expression(depth + 1);
		put(')');
	} else if (depth < 6 && pick < 14) {
		int n = 1 + (int) (next() % 3);
		named(ID);
		put('(');
		while (n-- > 0) {
			expression(depth + 1);
			if (n > 0)
				put(',');
		}
		put(')');
	} else if (pick < 60) {
		named(ID);
	} else {
		named(NUMBER);
	}
}

static void factor(int depth)
{
	unsigned pick = next() % 100;
	if (pick < 5)
		put(pick < 3 ? '-' : '!');
	primary(depth);
}

static void chain(int depth, const int *operators, int count, void (*operand)(int))
{
	int n = depth < 6 ? (int) (next() % 3) : 0;
	operand(depth);
	while (n-- > 0 && next() % 2) {
		put(operators[next() % (unsigned) count]);
		operand(depth + 1);
	}
}

static void term(int depth)
{
	static const int operators[] = {'*', '/'};
	chain(depth, operators, 2, factor);
}

static void sum(int depth)
{
	static const int operators[] = {'+', '-'};
	chain(depth, operators, 2, term);
}

static void comparison(int depth)
{
	sum(depth);
	if (next() % 100 < 15) {
		put(next() % 2 ? '<' : 1000 + EQ);
		sum(depth + 1);
	}
}

static void conjunction(int depth)
{
	static const int operators[] = {'&'};
	chain(depth, operators, 1, comparison);
}

static void expression(int depth)
{
	static const int operators[] = {'|'};
	chain(depth, operators, 1, conjunction);
}

static void statement(int depth);

static void block(int depth)
{
	int n = (int) (next() % (depth > 3 ? 2 : 5));
	put('{');
	while (n-- > 0)
		statement(depth + 1);
	put('}');
}

static void statement(int depth)
{
	unsigned pick = next() % 100;
	if (depth > 5)
		pick = next() % 60;
	if (pick < 25) {
		expression(0);
		put(';');
	} else if (pick < 55) {
		named(ID);
		put('=');
		expression(0);
		put(';');
	} else if (pick < 60) {
		named(pick < 58 ? PRINT : RETURN);
		expression(0);
		put(';');
	} else if (pick < 80) {
		named(IF);
		put('(');
		expression(0);
		put(')');
		block(depth);
		if (next() % 2) {
			named(ELSE);
			block(depth);
		}
	} else if (pick < 92) {
		named(WHILE);
		put('(');
		expression(0);
		put(')');
		block(depth);
	} else {
		block(depth);
	}
}

int main(int argc, char **argv)
{
	unsigned long long wanted;
	if (argc != 3 || (out = fopen(argv[2], "wb")) == NULL)
		return 2;
	wanted = strtoull(argv[1], NULL, 10);
	while (written < wanted)
		statement(0);
	fclose(out);
	printf("%llu\n", written);
	return 0;
}
