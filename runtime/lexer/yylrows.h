/* The row types of the scanner tables for one width. yyltypes.h defines
   YYLN(stem) to paste the width's prefix (yy, yyw) and includes this once
   for each width. */

typedef int YYLN(match_t);	/* a rule, a context mark (negated), or 0 closing a list */
typedef unsigned char YYLN(backup_t);	/* 1: the rule goes back to its context mark */

typedef struct {
	int def;	/* default state (> 0), the negated target of a default transition (< 0), or 0 */
	int base;	/* fast: added to a character; compact: the state's first entry */
	int match;	/* one rule (> 0), the negated start of a list in the match table, or 0 */
} YYLN(state_t);

typedef struct {
	int next;	/* target state, 0 ending the token */
	int check;	/* the state that owns the entry */
} YYLN(transition_t);

typedef struct {
	int first;
	int last;
	int next;	/* -1 closes a state's entries */
} YYLN(ctransition_t);
