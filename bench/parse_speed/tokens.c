/* Writes the token numbers read from standard input, separated by white
   space, as native ints into FILE: a short input written by hand.

     tokens FILE < list */
#include <stdio.h>

int main(int argc, char **argv)
{
	FILE *out;
	int token;
	if (argc != 2 || (out = fopen(argv[1], "wb")) == NULL)
		return 2;
	while (scanf("%d", &token) == 1)
		fwrite(&token, sizeof token, 1, out);
	return fclose(out) != 0;
}
