/* The token source, compiled on its own as a real scanner is, so that no
   parser gets to inline it: each pays one call per token. */
#include <stddef.h>

int *tokens;
size_t count;
size_t next;
int number_token;

int yylex(void)
{
	if (next < count) {
		int token = tokens[next++];
		return token == 'n' ? number_token : token;
	}
	return 0;
}
