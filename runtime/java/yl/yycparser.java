package yl;

/** The base of a parser generated with compact tables (-s). */
public abstract class yycparser extends yyparser {
}
