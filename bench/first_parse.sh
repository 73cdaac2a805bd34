#!/usr/bin/env bash
# Times the first parse of a program: a fresh process parses a 30-token
# input once, with brannock's C parsers (fast and compact tables) and
# bison's, for the ANSI C grammar (parse_speed/ansic.y) and for a generated
# statement language of 250 statement kinds (parse_speed/kinds_grammar.c,
# about 5,000 states). Whatever an engine does before it can parse shows
# here, where a long parse would hide it, and so do the tables and code a
# parse has to bring into the caches. Prints the median time of the parse
# on the wall (the processor clock takes a system call to read, longer
# than such a parse), its instructions under callgrind and the ratios to
# bison's.
#
#   bench/first_parse.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold
# bin/brannock and lib/libyl.a; nothing is built there. RUNS in the
# environment sets how many processes each parser gets (21), in turns.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
runs=${RUNS:-21}
kinds=${KINDS:-250}

brannock=$build/bin/brannock
library=$build/lib/libyl.a
require "$brannock" "$library"
require_commands bison
counting=1
if ! command -v valgrind >/dev/null; then
  echo "valgrind is not installed: no instruction counts" >&2
  counting=0
fi

make_work
sources=$root/bench/parse_speed
cp "$sources/ansic.y" "$sources/ansic_tokens.h" "$sources/driver_mapped.h" "$sources/read_stream.h" "$work/"
gcc -O2 -c "$sources/lexer_mapped.c" -o "$work/lexer.o"
gcc -O2 -o "$work/tokens" "$sources/tokens.c"
gcc -O2 -o "$work/kinds_grammar" "$sources/kinds_grammar.c"
"$work/kinds_grammar" "$kinds" "$work/kinds.y" "$work/kinds_tokens.h"

# The inputs, 30 tokens each: characters stand for themselves, a named
# token is 1000 plus its place in the grammar's token list.
#   int main ( ) { int x ; x = 1 + 2 * 3 ; if ( x ) x = x - 1 ; return x ; }
echo "1033 1000 40 41 123 1033 1000 59 1000 61 1001 43 1001 42 1001 59
  1048 40 1000 41 1000 61 1000 45 1001 59 1057 1000 59 125" | "$work/tokens" "$work/ansic.bin"
#   KW3 ID = ID + NUMBER ; KW100 ( ID ) { KW7 NUMBER * NUMBER ; }
#   KW200 ID ( ID , NUMBER ) ; KW42 ID + ID ;
echo "1005 1000 61 1000 43 1001 59 1102 40 1000 41 123 1009 1001 42 1001 59 125
  1202 1000 40 1000 44 1001 41 59 1044 1000 43 1000 59" | "$work/tokens" "$work/kinds.bin"

declare -A titles=(
  [ansic]="ANSI C grammar"
  [kinds]="$kinds statement kinds"
)

for g in ansic kinds; do
  brannock_variants "$g.y" "$g"
  (cd "$work" && bison -y -Wnone -o "${g}_bison.c" "$g.y")
  names=("${g}_fast" "${g}_compact" "${g}_bison")
  for name in "${names[@]}"; do
    gcc -O2 -DWALL_CLOCK -I"$root/runtime/common" -I"$root/runtime/parser" "$work/$name.c" "$work/lexer.o" "$library" -o "$work/$name"
  done
  states=$(sed -n 's/^#define YYNSTATES *\([0-9]*\).*/\1/p' "$work/${g}_bison.c")
  repetitions=$runs
  time_in_turns "$work/$g.bin" "${names[@]}"
  declare -A counts=()
  for name in "${names[@]}"; do
    counts[$name]=0
    if [ "$counting" = 1 ]; then
      instructions "$name" "./$name" "$work/$g.bin"
      counts[$name]=$parse_instructions
    fi
  done
  echo "== $g: ${titles[$g]}, $states states (bison's count); first parse of 30 tokens, median of $runs processes"
  printf '   %-12s %12s %14s\n' parser "time (us)" instructions
  for name in "${names[@]}"; do
    label=${name#"${g}"_}
    case $label in
      fast) label=brannock ;;
      compact) label="brannock -s" ;;
    esac
    printf '   %-12s %12s %14s\n' "$label" "$(printf '%d.%03d' $((median_time[$name] / 1000)) \
      $((median_time[$name] % 1000)))" "${counts[$name]}"
  done
  for variant in fast compact; do
    label=brannock
    [ "$variant" = compact ] && label="brannock -s"
    instr_ratio=-
    if [ "${counts[${g}_bison]}" -gt 0 ]; then
      instr_ratio=$(ratio "${counts[${g}_$variant]}" "${counts[${g}_bison]}")
    fi
    echo "   ratio $label/bison: time $(ratio "${median_time[${g}_$variant]}" "${median_time[${g}_bison]}")" \
      "instructions $instr_ratio"
  done
done
