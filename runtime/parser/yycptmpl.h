/* Declarations of one C++ parser width. The including header defines
   YYPN(stem) to paste the width's prefix (yy, yyw) and YYPCHAR to its
   character type; no guard, because each width includes it once. */

namespace yl {

#include "yyptypes.h"

class YYPN(lexer);

/* What the generated class derives from, through yyfparser or yycparser:
   the engine's state, the table members that the generated yytables()
   assigns, and the hooks a program overrides. The state and the tables
   are public because the engine, which C and C++ share, reads them from
   outside the class. */
class YYPN(parser) {
public:
	/* The row types again, so that the generated member functions find
	   them without "using namespace yl". */
	typedef _YL YYPN(stack_t) YYPN(stack_t);
	typedef _YL YYPN(tokenaction_t) YYPN(tokenaction_t);
	typedef _YL YYPN(stateaction_t) YYPN(stateaction_t);
	typedef _YL YYPN(ctokenaction_t) YYPN(ctokenaction_t);
	typedef _YL YYPN(cstateaction_t) YYPN(cstateaction_t);
	typedef _YL YYPN(nontermgoto_t) YYPN(nontermgoto_t);
	typedef _YL YYPN(stategoto_t) YYPN(stategoto_t);
	typedef _YL YYPN(cnontermgoto_t) YYPN(cnontermgoto_t);
	typedef _YL YYPN(cstategoto_t) YYPN(cstategoto_t);
	typedef _YL YYPN(reduction_t) YYPN(reduction_t);
	typedef _YL YYPN(destructor_t) YYPN(destructor_t);
	typedef _YL YYPN(tokendest_t) YYPN(tokendest_t);
	typedef _YL YYPN(tokendestbase_t) YYPN(tokendestbase_t);
	typedef _YL YYPN(ctokendest_t) YYPN(ctokendest_t);
	typedef _YL YYPN(symbol_t) YYPN(symbol_t);

	YYPN(parser)();
	virtual ~YYPN(parser)();

	/* Allocates the value buffers and the initial stacks of
	   yysstack_size entries; yyparse() does it when it was not done.
	   Returns 0 when memory runs out. */
	int yycreate(YYPN(lexer) YYFAR *lexerptr = NULL);
	/* Frees what yycreate() allocated; the generated destructor calls
	   it while the attribute functions still work. */
	void yydestroy();
	/* Parses one input: 0 when it was accepted, the code of yyexit()
	   when an action ended the parse, 1 otherwise. */
	int yyparse();

	/* Controls for actions. */
	void yyexit(int exitcode);
	void yyforceerror();
	void yyclearlookahead();
	int yyrecovering() const { return yyskip != 0; }

	/* Hooks, each to be replaced as the program needs. The token source
	   is the scanner given to yycreate(), or else an empty input; the
	   others report on yyerr. */
	virtual int yygettoken();
	virtual void yysyntaxerror();
	virtual void yystackoverflow();
	virtual void yyerror(const char YYFAR *text);
	virtual void yydiscard(int token);

	/* What the generated class defines: the action function and the
	   attribute functions through which values of its YYSTYPE move. */
	virtual void yyaction(int action) = 0;
	virtual void yystacktoval(int index) = 0;
	virtual void yyvaltostack(int index) = 0;
	virtual void yylvaltoval() = 0;
	virtual void yyvaltolval() = 0;
	virtual void yylvaltostack(int index) = 0;
	virtual void YYFAR *yynewattribute(int count) = 0;
	virtual void yydeleteattribute(void YYFAR *attribute) = 0;
	virtual void yycopyattribute(void YYFAR *dest, const void YYFAR *src, int count) = 0;

	/* yynewattribute() without the exception, for the engine. */
	void YYFAR *yyallocateattributes(int count);

	/* Parse state. */
	int yytop;
	int yychar;
	int yylookahead;
	int yyskip;
	int yyerrorcount;
	int yyexitflg;
	int yyexitcode;
	int yyerrorflg;
	int yystackgrow;
	int yydebug;
	FILE *yydebugout;
	FILE *yyerr;
	YYPN(lexer) YYFAR *yylexerptr;

	/* Stacks and values. */
	YYPN(stack_t) YYFAR *yystackptr;
	YYPN(stack_t) YYFAR *yysstackptr;
	void YYFAR *yyattributestackptr;
	void YYFAR *yysattributestackptr;
	int yystack_size;
	int yysstack_size;
	int yystack_max;
	size_t yyattribute_size;
	void YYFAR *yyvalptr;
	void YYFAR *yylvalptr;
	void YYFAR *yyblankptr;

	/* Tables, set by the generated yytables(). */
	const YYPN(symbol_t) YYNEARFAR *yysymbol;
	const YYPCHAR *const YYNEARFAR *yyrule;
	const YYPN(reduction_t) YYNEARFAR *yyreduction;
	int yytokenaction_size;
	const YYPN(tokenaction_t) YYNEARFAR *yytokenaction;
	const YYPN(stateaction_t) YYNEARFAR *yystateaction;
	const YYPN(ctokenaction_t) YYNEARFAR *yyctokenaction;
	const YYPN(cstateaction_t) YYNEARFAR *yycstateaction;
	int yynontermgoto_size;
	const YYPN(nontermgoto_t) YYNEARFAR *yynontermgoto;
	const YYPN(stategoto_t) YYNEARFAR *yystategoto;
	const YYPN(cnontermgoto_t) YYNEARFAR *yycnontermgoto;
	const YYPN(cstategoto_t) YYNEARFAR *yycstategoto;
	const YYPN(destructor_t) YYNEARFAR *yydestructorptr;
	const YYPN(tokendest_t) YYNEARFAR *yytokendestptr;
	int yytokendest_size;
	const YYPN(tokendestbase_t) YYNEARFAR *yytokendestbaseptr;
	int yytokendestbase_size;
	const YYPN(ctokendest_t) YYNEARFAR *yyctokendestptr;

private:
	YYPN(parser)(const YYPN(parser) &);
	YYPN(parser) &operator=(const YYPN(parser) &);
};

/* The two table forms differ only in which members yytables() sets. */
class YYPN(fparser) : public YYPN(parser) {
};

class YYPN(cparser) : public YYPN(parser) {
};

} /* namespace yl */
