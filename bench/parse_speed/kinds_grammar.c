/* Writes a statement language of N statement kinds (fixed: the output
   depends on N alone) as a yacc grammar, and the list of its named tokens
   for driver_mapped.h: every kind has a keyword of its own and four forms
   (an expression, an assignment, a guarded block and a call with an
   argument list of its own), so the automaton grows to about twenty
   states a kind around one shared expression grammar.

     kinds_grammar N GRAMMAR TOKENS */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
	FILE *grammar;
	FILE *tokens;
	long kinds;
	long i;
	if (argc != 4 || (kinds = strtol(argv[1], NULL, 10)) < 1 || (grammar = fopen(argv[2], "w")) == NULL ||
	    (tokens = fopen(argv[3], "w")) == NULL)
		return 2;
	fprintf(tokens, "/* The named tokens of a grammar of %ld statement kinds. */\n#define NAMED_TOKENS T(ID) T(NUMBER)",
		kinds);
	for (i = 0; i < kinds; i++)
		fprintf(tokens, " \\\n\tT(KW%ld)", i);
	fprintf(tokens, "\n");
	fprintf(grammar, "/* %ld statement kinds, written by kinds_grammar. */\n%%{\nint yylex(void);\n"
			 "void yyerror(const char *message);\n%%}\n\n%%token ID NUMBER\n", kinds);
	for (i = 0; i < kinds; i++)
		fprintf(grammar, "%%token KW%ld\n", i);
	fprintf(grammar, "\n%%start program\n\n%%%%\n\nprogram\n\t: statements\n\t;\n\n"
			 "statements\n\t: /* empty */\n\t| statements statement\n\t;\n\nstatement\n");
	for (i = 0; i < kinds; i++)
		fprintf(grammar, "\t%c s%ld\n", i == 0 ? ':' : '|', i);
	fprintf(grammar, "\t;\n");
	for (i = 0; i < kinds; i++)
		fprintf(grammar,
			"\ns%ld\n\t: KW%ld expression ';'\n\t| KW%ld ID '=' expression ';'\n"
			"\t| KW%ld '(' expression ')' '{' statements '}'\n\t| KW%ld ID '(' arguments%ld ')' ';'\n\t;\n"
			"\narguments%ld\n\t: expression\n\t| arguments%ld ',' expression\n\t;\n",
			i, i, i, i, i, i, i, i);
	fprintf(grammar, "\nexpression\n\t: expression '+' term\n\t| term\n\t;\n\nterm\n\t: term '*' factor\n\t| factor\n\t;\n\n"
			 "factor\n\t: ID\n\t| NUMBER\n\t| '(' expression ')'\n\t;\n\n%%%%\n\n"
			 "#include \"kinds_tokens.h\"\n#include \"driver_mapped.h\"\n");
	return fclose(grammar) != 0 || fclose(tokens) != 0;
}
