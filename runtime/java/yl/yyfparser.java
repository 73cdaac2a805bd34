package yl;

/** The base of a parser generated with fast tables. */
public abstract class yyfparser extends yyparser {
}
