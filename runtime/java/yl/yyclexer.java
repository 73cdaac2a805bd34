package yl;

/** The base of a scanner generated with compact tables (-s). */
public abstract class yyclexer extends yylexer {
}
