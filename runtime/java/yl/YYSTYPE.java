package yl;

/**
 * The value class of a grammar that declares none (no %union): values carry nothing, as a recognizer needs. The
 * generated parser imports yl.* on demand, so a YYSTYPE the grammar declares, or one of the parser's own package,
 * hides this one.
 */
public class YYSTYPE extends yyattribute {
}
