/* Writes random valid ANSI C token streams for ansic.y (fixed seed) as
   native ints: characters stand for themselves, a named token is 1000
   plus its place in ansic_tokens.h. External declarations follow one
   another until at least the asked number of tokens is written; most are
   function definitions whose bodies hold declarations and statements of
   every kind around expressions of every level.

     ansic_stream TOKENS FILE */
#include "stream_writer.h"

enum {
#define T(name) name,
#include "ansic_tokens.h"
	NAMED_TOKENS
#undef T
	NAMED_COUNT
};

/* Whether an event of the given percentage happens. */
static int chance(unsigned percent)
{
	return next() % 100 < percent;
}

static void expression(int depth);
static void assignment_expression(int depth);
static void cast_expression(int depth);
static void statement(int depth);
static void compound_statement(int depth);

static void type_specifier(void)
{
	static const int types[] = {INT, INT, INT, CHAR, LONG, UNSIGNED, DOUBLE, VOID, TYPE_NAME, TYPE_NAME, SHORT,
				    FLOAT, SIGNED};
	unsigned pick = next() % 20;
	if (pick < 2) {
		named(pick == 0 ? STRUCT : UNION);
		named(IDENTIFIER);
	} else if (pick < 3) {
		named(ENUM);
		named(IDENTIFIER);
	} else {
		named(types[next() % (sizeof types / sizeof types[0])]);
	}
}

static void declaration_specifiers(int outside)
{
	if (chance(outside ? 20 : 10)) {
		static const int storage[] = {STATIC, EXTERN, TYPEDEF, REGISTER, AUTO};
		named(storage[next() % (outside ? 3 : 5)]);
	}
	if (chance(10))
		named(chance(70) ? CONST : VOLATILE);
	type_specifier();
	if (chance(10))
		named(INT);
}

static void pointer(void)
{
	put('*');
	if (chance(10))
		named(CONST);
	if (chance(10))
		put('*');
}

static void parameter_list(void)
{
	int n = (int) (next() % 4);
	int i;
	if (n == 0) {
		named(VOID);
		return;
	}
	for (i = 0; i < n; i++) {
		if (i > 0)
			put(',');
		declaration_specifiers(0);
		if (chance(30))
			pointer();
		named(IDENTIFIER);
	}
	if (chance(5)) {
		put(',');
		named(ELLIPSIS);
	}
}

static void declarator(int depth)
{
	if (chance(25))
		pointer();
	if (depth < 2 && chance(3)) {
		put('(');
		declarator(depth + 1);
		put(')');
	} else {
		named(IDENTIFIER);
	}
	if (chance(10)) {
		put('[');
		if (chance(70))
			named(CONSTANT);
		put(']');
	} else if (chance(5)) {
		put('(');
		parameter_list();
		put(')');
	}
}

static void initializer(int depth)
{
	if (depth < 2 && chance(10)) {
		int n = 1 + (int) (next() % 4);
		int i;
		put('{');
		for (i = 0; i < n; i++) {
			if (i > 0)
				put(',');
			initializer(depth + 1);
		}
		if (chance(20))
			put(',');
		put('}');
	} else {
		assignment_expression(depth + 2);
	}
}

static void declaration(int outside)
{
	int n = 1 + (int) (next() % 3);
	int i;
	declaration_specifiers(outside);
	for (i = 0; i < n; i++) {
		if (i > 0)
			put(',');
		declarator(0);
		if (chance(40)) {
			put('=');
			initializer(0);
		}
	}
	put(';');
}

static void type_name(void)
{
	if (chance(10))
		named(CONST);
	type_specifier();
	if (chance(40))
		pointer();
}

static void primary_expression(int depth)
{
	unsigned pick = next() % 100;
	if (depth < 6 && pick < 8) {
		put('(');
		expression(depth + 1);
		put(')');
	} else if (pick < 55) {
		named(IDENTIFIER);
	} else if (pick < 95) {
		named(CONSTANT);
	} else {
		named(STRING_LITERAL);
	}
}

static void postfix_expression(int depth)
{
	primary_expression(depth);
	while (chance(25)) {
		unsigned pick = next() % 10;
		if (pick < 3 && depth < 6) {
			put('[');
			expression(depth + 1);
			put(']');
		} else if (pick < 6) {
			int n = depth < 6 ? (int) (next() % 4) : 0;
			int i;
			put('(');
			for (i = 0; i < n; i++) {
				if (i > 0)
					put(',');
				assignment_expression(depth + 1);
			}
			put(')');
		} else if (pick < 8) {
			if (pick == 6)
				named(PTR_OP);
			else
				put('.');
			named(IDENTIFIER);
		} else {
			named(pick == 8 ? INC_OP : DEC_OP);
		}
	}
}

static void unary_expression(int depth)
{
	unsigned pick = next() % 100;
	if (pick < 4) {
		named(pick < 2 ? INC_OP : DEC_OP);
		unary_expression(depth + 1);
	} else if (pick < 12) {
		static const int operators[] = {'&', '*', '-', '!', '~', '+'};
		put(operators[next() % 6]);
		cast_expression(depth + 1);
	} else if (pick < 13) {
		named(SIZEOF);
		if (chance(50)) {
			put('(');
			type_name();
			put(')');
		} else {
			unary_expression(depth + 1);
		}
	} else {
		postfix_expression(depth);
	}
}

static void cast_expression(int depth)
{
	if (depth < 6 && chance(4)) {
		put('(');
		type_name();
		put(')');
		cast_expression(depth + 1);
	} else {
		unary_expression(depth);
	}
}

/* Binary operators of every level, so that the operands are reduced
   through the whole precedence ladder. */
static void binary_expression(int depth)
{
	static const int operators[] = {'*', '/', '%', '+', '-', 1000 + LEFT_OP, 1000 + RIGHT_OP, '<', '>',
					1000 + LE_OP, 1000 + GE_OP, 1000 + EQ_OP, 1000 + NE_OP, '&', '^', '|',
					1000 + AND_OP, 1000 + OR_OP, '+', '-', '*', '<'};
	int n = depth < 6 ? (int) (next() % 4) : 0;
	int i;
	cast_expression(depth);
	for (i = 0; i < n; i++) {
		put(operators[next() % (sizeof operators / sizeof operators[0])]);
		cast_expression(depth + 1);
	}
}

static void conditional_expression(int depth)
{
	binary_expression(depth);
	if (depth < 5 && chance(3)) {
		put('?');
		expression(depth + 1);
		put(':');
		conditional_expression(depth + 1);
	}
}

static void assignment_expression(int depth)
{
	if (depth < 6 && chance(30)) {
		static const int operators[] = {'=', '=', '=', '=', 1000 + MUL_ASSIGN, 1000 + DIV_ASSIGN,
						1000 + MOD_ASSIGN, 1000 + ADD_ASSIGN, 1000 + SUB_ASSIGN,
						1000 + LEFT_ASSIGN, 1000 + RIGHT_ASSIGN, 1000 + AND_ASSIGN,
						1000 + XOR_ASSIGN, 1000 + OR_ASSIGN};
		unary_expression(depth + 1);
		put(operators[next() % (sizeof operators / sizeof operators[0])]);
		assignment_expression(depth + 1);
	} else {
		conditional_expression(depth);
	}
}

static void expression(int depth)
{
	assignment_expression(depth);
	if (depth < 4 && chance(3)) {
		put(',');
		assignment_expression(depth + 1);
	}
}

static void expression_statement(int depth)
{
	if (chance(95))
		expression(depth > 2 ? depth : 0);
	put(';');
}

static void statement(int depth)
{
	unsigned pick = next() % 100;
	if (depth > 5)
		pick = next() % 50;
	if (pick < 50) {
		expression_statement(depth);
	} else if (pick < 58) {
		named(RETURN);
		if (chance(80))
			expression(0);
		put(';');
	} else if (pick < 68) {
		named(IF);
		put('(');
		expression(0);
		put(')');
		statement(depth + 1);
		if (chance(40)) {
			named(ELSE);
			statement(depth + 1);
		}
	} else if (pick < 74) {
		named(WHILE);
		put('(');
		expression(0);
		put(')');
		statement(depth + 1);
	} else if (pick < 80) {
		named(FOR);
		put('(');
		expression_statement(0);
		expression_statement(0);
		if (chance(80))
			expression(0);
		put(')');
		statement(depth + 1);
	} else if (pick < 82) {
		named(DO);
		statement(depth + 1);
		named(WHILE);
		put('(');
		expression(0);
		put(')');
		put(';');
	} else if (pick < 84) {
		int n = 1 + (int) (next() % 3);
		named(SWITCH);
		put('(');
		expression(0);
		put(')');
		put('{');
		while (n-- > 0) {
			named(CASE);
			named(CONSTANT);
			put(':');
			statement(depth + 2);
			named(BREAK);
			put(';');
		}
		named(DEFAULT);
		put(':');
		named(BREAK);
		put(';');
		put('}');
	} else if (pick < 86) {
		named(chance(50) ? BREAK : CONTINUE);
		put(';');
	} else if (pick < 87) {
		if (chance(50)) {
			named(GOTO);
			named(IDENTIFIER);
			put(';');
		} else {
			named(IDENTIFIER);
			put(':');
			statement(depth + 1);
		}
	} else {
		compound_statement(depth + 1);
	}
}

static void compound_statement(int depth)
{
	int declarations = chance(50) ? (int) (next() % 3) : 0;
	int statements = (int) (next() % (depth > 3 ? 3 : 6));
	put('{');
	while (declarations-- > 0)
		declaration(0);
	while (statements-- > 0)
		statement(depth);
	put('}');
}

static void external_declaration(void)
{
	if (chance(25)) {
		declaration(1);
		return;
	}
	if (chance(95))
		declaration_specifiers(1);
	if (chance(10))
		pointer();
	named(IDENTIFIER);
	put('(');
	parameter_list();
	put(')');
	compound_statement(0);
}

int main(int argc, char **argv)
{
	unsigned long long wanted;
	if (argc != 3 || (out = fopen(argv[2], "wb")) == NULL)
		return 2;
	wanted = strtoull(argv[1], NULL, 10);
	while (written < wanted)
		external_declaration();
	fclose(out);
	printf("%llu\n", written);
	return 0;
}
