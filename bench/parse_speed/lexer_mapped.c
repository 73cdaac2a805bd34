/* The token source for streams of mapped tokens (driver_mapped.h),
   compiled on its own as a real scanner is, so that no parser gets to
   inline it. A named token is stored as 1000 plus its place in the list;
   every token carries its position as its value, so that actions have
   something to compute with. */
#include <stddef.h>

int *tokens;
size_t count;
size_t next;
int token_map[1024];
extern int yylval;

int yylex(void)
{
	if (next < count) {
		int token = tokens[next++];
		yylval = (int) next;
		return token >= 1000 ? token_map[token - 1000] : token;
	}
	return 0;
}
