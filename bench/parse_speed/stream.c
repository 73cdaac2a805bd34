/* Writes a token stream of statements "expr ;" drawn at random (fixed
   seed) as native ints; 'n' stands for a number. */
#include "stream_writer.h"

static void expr(int depth)
{
	unsigned pick = next() % 10;
	if (depth > 6 || pick < 3) {
		put('n');
	} else if (pick < 8) {
		static const int operators[] = {'+', '-', '*', '/'};
		expr(depth + 1);
		put(operators[next() % 4]);
		expr(depth + 1);
	} else if (pick < 9) {
		put('-');
		expr(depth + 1);
	} else {
		put('(');
		expr(depth + 1);
		put(')');
	}
}

int main(int argc, char **argv)
{
	unsigned long long wanted;
	if (argc != 3 || (out = fopen(argv[2], "wb")) == NULL)
		return 2;
	wanted = strtoull(argv[1], NULL, 10);
	while (written < wanted) {
		expr(0);
		put(';');
	}
	fclose(out);
	printf("%llu\n", written);
	return 0;
}
