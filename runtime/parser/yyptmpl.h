/* Declarations of one single-model parser width. The including header
   defines YYPN(stem) to paste the width's prefix and YYPCHAR to its
   character type; this file has no guard because each width includes it
   once. */

#ifdef __cplusplus
extern "C" {
#endif

#include "yyptypes.h"

/* Defined by the generated source. */
extern YYPN(stack_t) YYFAR *YYNEAR YYDCDECL YYPN(sstackptr);
extern YYPN(stack_t) YYFAR *YYNEAR YYDCDECL YYPN(stackptr);
extern void YYFAR *YYNEAR YYDCDECL YYPN(sattributestackptr);
extern void YYFAR *YYNEAR YYDCDECL YYPN(attributestackptr);
extern int YYNEAR YYDCDECL YYPN(sstack_size);
extern int YYNEAR YYDCDECL YYPN(stack_size);
extern int YYNEAR YYDCDECL YYPN(stack_max);
extern void YYFAR *YYNEAR YYDCDECL YYPN(valptr);
extern void YYFAR *YYNEAR YYDCDECL YYPN(lvalptr);
extern size_t YYNEAR YYDCDECL YYPN(attribute_size);

void YYCDECL YYPN(parseraction)(int action);

extern YYCONST YYPN(symbol_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(symbol)[];
extern YYCONST YYPCHAR *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL YYPN(rule)[];
extern YYCONST YYPN(reduction_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(reduction)[];

/* Fast tables. */
extern int YYNEAR YYDCDECL YYPN(tokenaction_size);
extern YYCONST YYPN(tokenaction_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(tokenaction)[];
extern YYCONST YYPN(stateaction_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(stateaction)[];
extern int YYNEAR YYDCDECL YYPN(nontermgoto_size);
extern YYCONST YYPN(nontermgoto_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(nontermgoto)[];
extern YYCONST YYPN(stategoto_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(stategoto)[];
extern YYCONST YYPN(tokendest_t) YYNEARFAR *YYNEAR YYDCDECL YYPN(tokendestptr);
extern int YYNEAR YYDCDECL YYPN(tokendest_size);
extern YYCONST YYPN(tokendestbase_t) YYNEARFAR *YYNEAR YYDCDECL YYPN(tokendestbaseptr);
extern int YYNEAR YYDCDECL YYPN(tokendestbase_size);

/* Compact tables. */
extern YYCONST YYPN(ctokenaction_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(ctokenaction)[];
extern YYCONST YYPN(cstateaction_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(cstateaction)[];
extern YYCONST YYPN(cnontermgoto_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(cnontermgoto)[];
extern YYCONST YYPN(cstategoto_t) YYNEARFAR YYBASED_CODE YYDCDECL YYPN(cstategoto)[];
extern YYCONST YYPN(ctokendest_t) YYNEARFAR *YYNEAR YYDCDECL YYPN(ctokendestptr);

/* Both forms. */
extern YYCONST YYPN(destructor_t) YYNEARFAR *YYNEAR YYDCDECL YYPN(destructorptr);

/* Defined by the library. */
extern int YYNEAR YYDCDECL YYPN(top);		/* index of the top stack entry */
extern int YYNEAR YYDCDECL YYPN(char);		/* current lookahead token */
extern int YYNEAR YYDCDECL YYPN(lookahead);	/* whether YYPN(char) holds a token */
extern int YYNEAR YYDCDECL YYPN(skip);		/* shifts left before errors are reported again */
extern int YYNEAR YYDCDECL YYPN(errorcount);
extern int YYNEAR YYDCDECL YYPN(exitflg);
extern int YYNEAR YYDCDECL YYPN(exitcode);
extern int YYNEAR YYDCDECL YYPN(errorflg);
extern int YYNEAR YYDCDECL YYPN(stackgrow);	/* 0 keeps the stack at its initial size */
extern int YYNEAR YYDCDECL YYPN(debug);	/* nonzero traces the parse */
extern FILE *YYNEAR YYDCDECL YYPN(debugout);	/* NULL means stdout */

int YYCDECL YYPN(parse)(void);
void YYCDECL YYPN(exit)(int exitcode);
void YYCDECL YYPN(forceerror)(void);
void YYCDECL YYPN(clearlookahead)(void);

/* Hooks with defaults in the library; each default lives in its own
   archive member so that a program's own definition replaces it. */
int YYCDECL YYPN(gettoken)(void);
void YYCDECL YYPN(syntaxerror)(void);
void YYCDECL YYPN(stackoverflow)(void);
void YYCDECL YYPN(discard)(int token);

/* The user's yacc interface, reached through the hooks above. */
int YYCDECL yylex(void);
void YYCDECL yyerror(YYCONST char *text);

#ifdef __cplusplus
}
#endif
