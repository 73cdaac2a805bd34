package yl;

/** The base of a scanner generated with fast tables (the default). */
public abstract class yyflexer extends yylexer {
}
