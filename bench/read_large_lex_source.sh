#!/usr/bin/env bash
# Times lindle reading a generated keyword scanner of 5,000 rules against
# flex's whole run on the same file, and prints both times and the ratio.
# Lindle does not build its automaton yet, so the ratio says how much of
# flex's time lindle's reading alone takes.
#
#   bench/read_large_lex_source.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold bin/lindle;
# nothing is built here. RULES and REPETITIONS in the environment change the
# number of keywords (5000) and how many runs each tool gets (5); the best
# run counts, since noise only ever adds time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
rules=${RULES:-5000}
repetitions=${REPETITIONS:-5}

lindle=$build/bin/lindle
require "$lindle"
require_commands flex

make_work

# One keyword a rule, each returning its own token, then identifiers,
# numbers and blanks, as a keyword-heavy language's scanner has them.
source_file=$work/keywords.l
{
  printf '%%{\n#include "tokens.h"\n%%}\n\nLETTER  [a-z_]\nDIGIT   [0-9]\n\n%%%%\n\n'
  awk -v rules="$rules" 'BEGIN {
    for (i = 0; i < rules; ++i) {
      word = ""
      n = i
      do { word = word sprintf("%c", 97 + n % 26); n = int(n / 26) } while (n > 0)
      printf "\"%s\"\t{ return %d; }\n", word, 256 + i
    }
  }'
  printf '{LETTER}({LETTER}|{DIGIT})*\t{ return 1; }\n{DIGIT}+\t{ return 2; }\n[ \\t\\n]+\t;\n.\t{ return yytext[0]; }\n'
  printf '%%%%\n\nint yywrap(void) { return 1; }\n'
} >"$source_file"

echo "lex source: $rules keyword rules, $(wc -c <"$source_file") bytes; best of $repetitions runs"

best_of lindle "$lindle" -\$ "$source_file"
lindle_time=$best
printf '%-7s %s (reading)\n' lindle "$(seconds "$lindle_time")"

best_of flex flex -o "$work/lex.yy.c" "$source_file"
flex_time=$best
printf '%-7s %s (whole run)\n' flex "$(seconds "$flex_time")"

# A run below the clock's resolution would divide by zero.
[ "$flex_time" -gt 0 ] || flex_time=1
echo "ratio lindle/flex: $(ratio "$lindle_time" "$flex_time")"
