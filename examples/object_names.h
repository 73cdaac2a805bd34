/* The names of the parser and scanner objects of the multiple models (-mm
   and -mi) and of their functions, in the width that the sources were
   generated for, so that one source serves bytes and Unicode (-W).
   Included after the generated headers. */
#ifndef OBJECT_NAMES_H
#define OBJECT_NAMES_H

#if defined(YYWMPARS_H) || defined(YYWMLEX_H)
#define parser_t yywmparser_t
#define lexer_t yywmlexer_t
#define parse yywmparse
#define create_parser yywmcreateparser
#define destroy_parser yywmdestroyparser
#define create_lexer yywmcreatelexer
#define destroy_lexer yywmdestroylexer
#else
#define parser_t yymparser_t
#define lexer_t yymlexer_t
#define parse yymparse
#define create_parser yymcreateparser
#define destroy_parser yymdestroyparser
#define create_lexer yymcreatelexer
#define destroy_lexer yymdestroylexer
#endif

#endif
