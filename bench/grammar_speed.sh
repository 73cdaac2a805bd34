#!/usr/bin/env bash
# Times brannock's C parsers, with fast and with compact tables, against
# bison's (yacc skeleton) and byacc's on three workloads, each parser
# reading the same token stream from memory:
#
#   ansic       the ANSI C grammar without actions (parse_speed/ansic.y),
#               random valid translation units (ansic_stream.c);
#   ring        a generated grammar of 3,000 rules and about 7,800 states
#               (grammar_generator's ring, most rules with an action),
#               random walks round the ring (ring_stream.c);
#   statements  an expression and statement language whose every rule
#               has an action that builds a value (statements.y).
#
# For each parser it prints the median time of its parses, the
# instructions of one parse under callgrind (yyparse with the lexer it
# calls, and without it: the parser alone), the ratios to bison's and
# byacc's and of compact to fast tables, and the bytes of each one's
# tables.
#
#   bench/grammar_speed.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold
# bin/brannock, bin/grammar_generator and lib/libyl.a; nothing is built
# there. In the environment: TOKENS (10000000) sets the length of the timed
# streams, REPETITIONS (5) how many parses each parser gets (in turns, so
# that a machine getting busier or quieter treats them alike; the median
# counts), COUNTED_TOKENS (1000000) the length of the streams counted under
# callgrind (0: no counts), WORKLOADS which workloads run ("ansic ring
# statements").
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
tokens=${TOKENS:-10000000}
repetitions=${REPETITIONS:-5}
counted=${COUNTED_TOKENS:-1000000}
workloads=${WORKLOADS:-ansic ring statements}

brannock=$build/bin/brannock
generator=$build/bin/grammar_generator
library=$build/lib/libyl.a
require "$brannock" "$generator" "$library"
require_commands bison byacc
if [ "$counted" -gt 0 ] && ! command -v valgrind >/dev/null; then
  echo "valgrind is not installed: no instruction counts" >&2
  counted=0
fi

make_work
# shellcheck source=bench/parse_speed/table_size.sh
source "$root/bench/parse_speed/table_size.sh"
sources=$root/bench/parse_speed
cp "$sources/ansic.y" "$sources/ansic_tokens.h" "$sources/statements.y" "$sources/ring_tokens.h" \
  "$sources/driver_mapped.h" "$sources/read_stream.h" "$work/"
gcc -O2 -c "$sources/lexer_mapped.c" -o "$work/lexer.o"
for stream in ansic statements ring; do
  gcc -O2 -I"$sources" -o "$work/${stream}_stream" "$sources/${stream}_stream.c"
done

# The ring grammar as the generator writes it, with its printing actions
# emptied and its own main replaced by the benchmark driver.
ring_rules=3000
ring_nonterminals=$(((ring_rules - 2) / 5))
"$generator" "$ring_rules" >"$work/ring_generated.y"
{
  sed -n '1,/^%%$/p' "$work/ring_generated.y"
  sed -n '/^%%$/,/^%%$/p' "$work/ring_generated.y" | sed '1d;$d' | sed 's/printf("%d\\n", \$[12]);//'
  printf '%%%%\n\n#include "ring_tokens.h"\n#include "driver_mapped.h"\n'
} >"$work/ring.y"

# write_stream WORKLOAD COUNT FILE: a stream of about COUNT tokens.
write_stream() {
  case $1 in
    ring) "$work/ring_stream" "$ring_nonterminals" "$2" "$3" ;;
    *) "$work/$1_stream" "$2" "$3" ;;
  esac
}

# build_parsers WORKLOAD: WORKLOAD_fast, _compact, _bison and _byacc, each
# with its object file kept for the table sizes.
build_parsers() {
  local w=$1 name
  brannock_variants "$w.y" "$w"
  (cd "$work" && bison -y -Wnone -o "${w}_bison.c" "$w.y")
  (cd "$work" && byacc -o "${w}_byacc.c" "$w.y") >"$work/${w}_byacc.log" 2>&1
  for name in "${w}_fast" "${w}_compact" "${w}_bison" "${w}_byacc"; do
    gcc -O2 -I"$root/runtime/common" -I"$root/runtime/parser" -c "$work/$name.c" -o "$work/$name.o"
    gcc -O2 "$work/$name.o" "$work/lexer.o" "$library" -o "$work/$name"
  done
}

# A ratio of 0 for a measure that was not taken.
ratio_or_none() {
  if [ "$2" -gt 0 ]; then ratio "$1" "$2"; else printf -- '-'; fi
}

ours_tables=(yytokenaction yystateaction yynontermgoto yystategoto yyreduction yyctokenaction yycstateaction
  yycnontermgoto yycstategoto yydestructor yytokendest yytokendestbase yyctokendest)
bison_tables=(yytranslate yypact yydefact yypgoto yydefgoto yytable yycheck yystos yyr1 yyr2)
byacc_tables=(yylhs yylen yydefred yydgoto yysindex yyrindex yygindex yytable yycheck yyctable)

declare -A titles=(
  [ansic]="ANSI C grammar without actions"
  [ring]="ring grammar of $ring_rules rules"
  [statements]="expression and statement language, an action in every rule"
)

for w in $workloads; do
  build_parsers "$w"
  written=$(write_stream "$w" "$tokens" "$work/$w.bin")
  states=$(sed -n 's/^#define YYNSTATES *\([0-9]*\).*/\1/p' "$work/${w}_bison.c")
  echo "== $w: ${titles[$w]}, $states states (bison's count)"
  echo "   $written tokens, median of $repetitions parses each, in turns"
  names=("${w}_fast" "${w}_compact" "${w}_bison" "${w}_byacc")
  time_in_turns "$work/$w.bin" "${names[@]}"
  declare -A parse_count=() alone_count=()
  if [ "$counted" -gt 0 ]; then
    counted_written=$(write_stream "$w" "$counted" "$work/$w.counted.bin")
    echo "   instructions counted by callgrind over $counted_written tokens"
    for name in "${names[@]}"; do
      instructions "$name" "./$name" "$work/$w.counted.bin"
      parse_count[$name]=$parse_instructions
      alone_count[$name]=$((parse_instructions - lexer_instructions))
    done
  else
    for name in "${names[@]}"; do
      parse_count[$name]=0
      alone_count[$name]=0
    done
  fi
  printf '   %-12s %12s %16s %16s\n' parser time "instr (parse)" "instr (parser)"
  for name in "${names[@]}"; do
    label=${name#"${w}"_}
    case $label in
      fast) label=brannock ;;
      compact) label="brannock -s" ;;
    esac
    printf '   %-12s %12s %16s %16s\n' "$label" "$(seconds "${median_time[$name]}")" "${parse_count[$name]}" \
      "${alone_count[$name]}"
  done
  for pair in fast:bison fast:byacc compact:bison compact:byacc compact:fast; do
    a=${w}_${pair%%:*}
    b=${w}_${pair#*:}
    printf '   ratio %-20s time %s  instr (parse) %s  instr (parser) %s\n' \
      "$(echo "${pair%%:*}/${pair#*:}" | sed 's/fast/brannock/g; s/compact/brannock -s/g'):" \
      "$(ratio "${median_time[$a]}" "${median_time[$b]}")" \
      "$(ratio_or_none "${parse_count[$a]}" "${parse_count[$b]}")" \
      "$(ratio_or_none "${alone_count[$a]}" "${alone_count[$b]}")"
  done
  echo "   table bytes:"
  for variant in fast compact; do
    table_bytes "$work/${w}_$variant.o" "${ours_tables[@]}" >/dev/null
    printf '     %-12s %8d\n' "$([ $variant = fast ] && echo brannock || echo "brannock -s")" "$bytes"
    printf -v "${variant}_bytes" %d "$bytes"
  done
  table_bytes "$work/${w}_bison.o" "${bison_tables[@]}" >/dev/null
  bison_bytes=$bytes
  printf '     %-12s %8d\n' bison "$bison_bytes"
  table_bytes "$work/${w}_byacc.o" "${byacc_tables[@]}" >/dev/null
  byacc_bytes=$bytes
  printf '     %-12s %8d\n' byacc "$byacc_bytes"
  echo "   ratio tables brannock/bison $(ratio "$fast_bytes" "$bison_bytes"), brannock -s/bison" \
    "$(ratio "$compact_bytes" "$bison_bytes"), brannock/byacc $(ratio "$fast_bytes" "$byacc_bytes")"
done
