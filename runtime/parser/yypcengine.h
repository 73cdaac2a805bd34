/* Binds the parsing engine to the C++ parser class: every state variable
   and table is a member, the hooks and the attribute moves are its virtual
   functions, so values of the generated class's YYSTYPE are copied as
   objects, never as bytes. The including source defines YYPN, YYPCHAR,
   YYPTK_ERROR, YYPTK_ALL and YYPTRACESTR and includes the width's C++
   header first. Not installed. */

#include <stdlib.h>
#include <string.h>
#include <new>

#define YYPMULTI
#define YYPV(stem) yy->yy##stem
#define YYPF(stem) YYPN(engine##stem)
#define YYPT(stem) YYPN(stem)
#define YYPOBJ YYPN(parser)
#define YYPP0 YYPOBJ YYFAR *yy
#define YYPP YYPOBJ YYFAR *yy,
#define YYPA0 yy
#define YYPA yy,
#define YYPGETTOKEN() yy->yygettoken()
#define YYPSYNTAXERROR() yy->yysyntaxerror()
#define YYPSTACKOVERFLOW() yy->yystackoverflow()
#define YYPDISCARD(token) yy->yydiscard(token)
#define YYPACTION(action) yy->yyaction(action)
#define YYPDEBUGON yy->yydebug
#define YYPDEBUGOUT yy->yydebugout
#define YYPSYMBOL yy->yysymbol
#define YYPRULE yy->yyrule
#define YYPCOPY(size, to, from) ((void) (size), yy->yycopyattribute(to, from, 1))
#define YYPCLEAR(to) yy->yycopyattribute(to, yy->yyblankptr, 1)
#define YYPNEWATTRIBUTES(count) yy->yyallocateattributes(count)
#define YYPCOPYATTRIBUTES(to, from, count) yy->yycopyattribute(to, from, (int) (count))
#define YYPDELETEATTRIBUTES(attributes) yy->yydeleteattribute(attributes)

namespace yl {
namespace {
#include "yypengine.h"
}

YYPOBJ::YYPOBJ()
	: yytop(-1), yychar(-1), yylookahead(0), yyskip(0), yyerrorcount(0), yyexitflg(0), yyexitcode(0),
	  yyerrorflg(0), yystackgrow(1), yydebug(0), yydebugout(NULL), yyerr(stderr), yylexerptr(NULL),
	  yystackptr(NULL), yysstackptr(NULL), yyattributestackptr(NULL), yysattributestackptr(NULL),
	  yystack_size(0), yysstack_size(0), yystack_max(0), yyattribute_size(0), yyvalptr(NULL),
	  yylvalptr(NULL), yyblankptr(NULL), yysymbol(NULL), yyrule(NULL), yyreduction(NULL),
	  yytokenaction_size(0), yytokenaction(NULL), yystateaction(NULL), yyctokenaction(NULL),
	  yycstateaction(NULL), yynontermgoto_size(0), yynontermgoto(NULL), yystategoto(NULL),
	  yycnontermgoto(NULL), yycstategoto(NULL), yydestructorptr(NULL), yytokendestptr(NULL),
	  yytokendest_size(0), yytokendestbaseptr(NULL), yytokendestbase_size(0), yyctokendestptr(NULL)
{
}

/* The attributes need the derived class's functions, which are gone by
   now: what the generated destructor's yydestroy() left is only the state
   stack. */
YYPOBJ::~YYPOBJ()
{
	free(yysstackptr);
	if (yystackptr != yysstackptr) {
		free(yystackptr);
	}
}

void YYFAR *YYPOBJ::yyallocateattributes(int count)
{
	try {
		return yynewattribute(count);
	}
	catch (const std::bad_alloc &) {
		return NULL;
	}
}

int YYPOBJ::yycreate(YYPN(lexer) YYFAR *lexerptr)
{
	/* The scanner's actions fill the value of the token through the
	   parser that reads it. */
	yylexerptr = lexerptr;
	if (lexerptr != NULL) {
		lexerptr->yyparserptr = this;
	}
	if (yyvalptr != NULL) {
		return 1;
	}
	yyvalptr = yyallocateattributes(1);
	yylvalptr = yyallocateattributes(1);
	/* The value of an empty rule without an action starts as zero bytes,
	   as in C: YYSTYPE is the grammar's union or a scalar. */
	yyblankptr = yyallocateattributes(1);
	if (yyblankptr != NULL) {
		memset(yyblankptr, 0, yyattribute_size);
	}
	if (yysstack_size > 0) {
		yysstackptr = (YYPN(stack_t) *) malloc((size_t) yysstack_size * sizeof(YYPN(stack_t)));
		yysattributestackptr = yyallocateattributes(yysstack_size);
	}
	else {
		yysstack_size = 0;
	}
	yystackptr = yysstackptr;
	yyattributestackptr = yysattributestackptr;
	yystack_size = yysstack_size;
	if (yyvalptr == NULL || yylvalptr == NULL || yyblankptr == NULL ||
	    (yysstack_size > 0 && (yysstackptr == NULL || yysattributestackptr == NULL))) {
		yydestroy();
		return 0;
	}
	return 1;
}

void YYPOBJ::yydestroy()
{
	void YYFAR *values[] = { yyvalptr, yylvalptr, yyblankptr, yysattributestackptr,
		yyattributestackptr != yysattributestackptr ? yyattributestackptr : NULL };
	for (size_t i = 0; i < sizeof values / sizeof values[0]; i++) {
		if (values[i] != NULL) {
			yydeleteattribute(values[i]);
		}
	}
	if (yystackptr != yysstackptr) {
		free(yystackptr);
	}
	free(yysstackptr);
	yystackptr = yysstackptr = NULL;
	yyattributestackptr = yysattributestackptr = NULL;
	yyvalptr = yylvalptr = yyblankptr = NULL;
	yystack_size = 0;
}

int YYPOBJ::yyparse()
{
	if (yyvalptr == NULL && !yycreate(yylexerptr)) {
		yystackoverflow();
		return 1;
	}
	return YYPF(parse)(this);
}

void YYPOBJ::yyexit(int exitcode)
{
	YYPF(exit)(this, exitcode);
}

void YYPOBJ::yyforceerror()
{
	YYPF(forceerror)(this);
}

void YYPOBJ::yyclearlookahead()
{
	YYPF(clearlookahead)(this);
}

int YYPOBJ::yygettoken()
{
	return yylexerptr != NULL ? yylexerptr->yylex() : 0;
}

void YYPOBJ::yysyntaxerror()
{
	yyerror("syntax error");
}

void YYPOBJ::yystackoverflow()
{
	yyerror("yacc stack overflow");
}

void YYPOBJ::yyerror(const char YYFAR *text)
{
	if (yyerr != NULL) {
		fprintf(yyerr, "%s\n", text);
	}
}

void YYPOBJ::yydiscard(int)
{
}

} /* namespace yl */
