/* The named tokens of ansic.y in one list: the stream generator writes a
   named token as 1000 plus its place here, and the driver maps the place
   to whatever number the parser under test gave the token. */
#define NAMED_TOKENS \
	T(IDENTIFIER) T(CONSTANT) T(STRING_LITERAL) T(TYPE_NAME) T(SIZEOF) \
	T(PTR_OP) T(INC_OP) T(DEC_OP) T(LEFT_OP) T(RIGHT_OP) T(LE_OP) T(GE_OP) T(EQ_OP) T(NE_OP) \
	T(AND_OP) T(OR_OP) T(MUL_ASSIGN) T(DIV_ASSIGN) T(MOD_ASSIGN) T(ADD_ASSIGN) \
	T(SUB_ASSIGN) T(LEFT_ASSIGN) T(RIGHT_ASSIGN) T(AND_ASSIGN) T(XOR_ASSIGN) T(OR_ASSIGN) \
	T(TYPEDEF) T(EXTERN) T(STATIC) T(AUTO) T(REGISTER) \
	T(CHAR) T(SHORT) T(INT) T(LONG) T(SIGNED) T(UNSIGNED) T(FLOAT) T(DOUBLE) T(CONST) T(VOLATILE) T(VOID) \
	T(STRUCT) T(UNION) T(ENUM) T(ELLIPSIS) \
	T(CASE) T(DEFAULT) T(IF) T(ELSE) T(SWITCH) T(WHILE) T(DO) T(FOR) T(GOTO) T(CONTINUE) T(BREAK) T(RETURN)
