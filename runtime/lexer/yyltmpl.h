/* Declarations of one single-model scanner width. The including header
   defines YYLN(stem) to paste the width's prefix (yy, yyw), YYLCHAR to the
   element type of the text, YYLINT to the type an action returns and
   YYLMAXTYPE to the type of the transition table's size; no guard, since
   each width includes it once. */

#ifdef __cplusplus
extern "C" {
#endif

/* Buffers defined by the generated source. The s forms are the buffers it
   starts with; the library grows a buffer into the heap when a token or the
   characters put back outgrow it, up to the maximum (0: no maximum). */
extern YYLCHAR YYFAR *YYNEAR YYDCDECL YYLN(text);
extern YYLCHAR YYFAR *YYNEAR YYDCDECL YYLN(stext);
extern int YYNEAR YYDCDECL YYLN(text_size);
extern int YYNEAR YYDCDECL YYLN(stext_size);
extern int YYNEAR YYDCDECL YYLN(text_max);
extern int YYFAR *YYNEAR YYDCDECL YYLN(statebuf);
extern int YYFAR *YYNEAR YYDCDECL YYLN(sstatebuf);
extern int YYFAR *YYNEAR YYDCDECL YYLN(unputbufptr);
extern int YYFAR *YYNEAR YYDCDECL YYLN(sunputbufptr);
extern int YYNEAR YYDCDECL YYLN(unput_size);
extern int YYNEAR YYDCDECL YYLN(sunput_size);
extern int YYNEAR YYDCDECL YYLN(unput_max);

/* The generated actions and tables; a source holds either the fast or the
   compact transitions. */
YYLINT YYCDECL YYLN(lexeraction)(int action);
extern YYCONST YYLN(match_t) YYNEARFAR YYBASED_CODE YYDCDECL YYLN(match)[];
extern YYCONST YYLN(backup_t) YYNEARFAR YYBASED_CODE YYDCDECL YYLN(backup)[];
extern YYCONST YYLN(state_t) YYNEARFAR YYBASED_CODE YYDCDECL YYLN(state)[];
extern YYLMAXTYPE YYNEAR YYDCDECL YYLN(transitionmax);
extern YYCONST YYLN(transition_t) YYNEARFAR YYBASED_CODE YYDCDECL YYLN(transition)[];
extern YYCONST YYLN(ctransition_t) YYNEARFAR YYBASED_CODE YYDCDECL YYLN(ctransition)[];

/* The scanner's state, defined by the library. The streams are NULL until
   the first scan, which makes them stdin and stdout. */
extern FILE *YYNEAR YYDCDECL YYLN(in);
extern FILE *YYNEAR YYDCDECL YYLN(out);
extern int YYNEAR YYDCDECL YYLN(leng);
extern int YYNEAR YYDCDECL YYLN(lineno);
extern int YYNEAR YYDCDECL YYLN(start);	/* start condition: twice its number */
extern int YYNEAR YYDCDECL YYLN(eol);	/* the next character begins a line */
extern int YYNEAR YYDCDECL YYLN(oldeol);	/* the same, where the token began */
extern int YYNEAR YYDCDECL YYLN(moreflg);
extern int YYNEAR YYDCDECL YYLN(rejectflg);
extern int YYNEAR YYDCDECL YYLN(returnflg);
extern int YYNEAR YYDCDECL YYLN(textgrow);	/* 0 keeps the text buffer at its size */
extern int YYNEAR YYDCDECL YYLN(unputgrow);
extern int YYNEAR YYDCDECL YYLN(unputindex);	/* characters waiting in the unput buffer */
extern int YYNEAR YYDCDECL YYLN(lexdebug);	/* nonzero traces each token */
extern int YYNEAR YYDCDECL YYLN(lexdebugflush);
extern FILE *YYNEAR YYDCDECL YYLN(lexdebugout);	/* NULL means stdout */

/* Scans the next token: what an action returns, or 0 at the end. */
int YYCDECL YYLN(lex)(void);
/* Keeps the first n characters of the token and gives back the rest. */
void YYCDECL YYLN(less)(int n);
/* Writes the token to the output (ECHO). */
void YYCDECL YYLN(echo)(void);

/* Hooks, with defaults in the library that a program's own definition
   replaces: the next character of the input (EOF at its end), the same
   after the characters given back, writing a character, giving one back,
   what to do at the end of the input (nonzero: stop), and the reports of
   buffers that reached their maximum. */
int YYCDECL YYLN(getchar)(void);
int YYCDECL YYLN(input)(void);
void YYCDECL YYLN(output)(int ch);
void YYCDECL YYLN(unput)(int ch);
int YYCDECL YYLN(wrap)(void);
void YYCDECL YYLN(textoverflow)(void);
void YYCDECL YYLN(unputoverflow)(void);

#ifdef __cplusplus
}
#endif
