package yl;

/**
 * The value class of a grammar that declares none (no %union): values carry nothing, as a recognizer needs. The
 * generated parser imports yl.* on demand, so a YYSTYPE the grammar declares, one of the parser's own package, or
 * one imported by name hides this one; one from another package imported on demand would clash with it.
 */
public class YYSTYPE extends yyattribute {
}
