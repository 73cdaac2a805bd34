#!/usr/bin/env bash
# Times a brannock parser against bison's for one expression grammar without
# actions, parsing the same stream of at least 10 million tokens from memory,
# and prints the times, the ratio and the bytes of each one's tables.
#
#   bench/parse_speed.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold bin/brannock
# and lib/libyl.a; nothing is built there. TOKENS and REPETITIONS in the
# environment change the stream length (10000000) and how many parses each
# parser gets (3); the best one counts, since noise only ever adds time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [ -d "$build" ]; then
  build=$(cd "$build" && pwd)
elif [ -d "$root/$build" ]; then
  build=$(cd "$root/$build" && pwd)
fi
tokens=${TOKENS:-10000000}
repetitions=${REPETITIONS:-3}

brannock=$build/bin/brannock
library=$build/lib/libyl.a
for file in "$brannock" "$library"; do
  if [ ! -e "$file" ]; then
    echo "missing $file: build it first (tools/build.sh $build)" >&2
    exit 2
  fi
done
if ! command -v bison >/dev/null; then
  echo "bison is not installed" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
# shellcheck source=bench/parse_speed/table_size.sh
source "$root/bench/parse_speed/table_size.sh"
sources=$root/bench/parse_speed
cp "$sources/expr.y" "$sources/driver.h" "$work/"
gcc -O2 -c "$sources/lexer.c" -o "$work/lexer.o"

gcc -O2 -o "$work/stream" "$sources/stream.c"
written=$("$work/stream" "$tokens" "$work/tokens.bin")

for variant in ours:fast ours_compact:-s; do
  name=${variant%%:*}
  switches=${variant#*:}
  [ "$switches" = fast ] && switches=
  # shellcheck disable=SC2086
  if ! (cd "$work" && "$brannock" -\$ expr.y -o "$name.c" $switches) >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    exit 1
  fi
  gcc -O2 -I"$root/runtime" -c "$work/$name.c" -o "$work/$name.o"
  gcc -O2 "$work/$name.o" "$work/lexer.o" "$library" -o "$work/$name"
done
(cd "$work" && bison -y -Wnone -o bison.c expr.y)
gcc -O2 -c "$work/bison.c" -o "$work/bison.o"
gcc -O2 "$work/bison.o" "$work/lexer.o" -o "$work/bison"

# parse_best NAME: the fastest of $repetitions parses, in nanoseconds as the
# program measures them around yyparse, in $best.
parse_best() {
  local name=$1 run elapsed
  best=
  for ((run = 0; run < repetitions; ++run)); do
    if ! elapsed=$("$work/$name" "$work/tokens.bin"); then
      echo "$name failed to parse the stream" >&2
      exit 1
    fi
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then
      best=$elapsed
    fi
  done
}

echo "stream: $written tokens; best of $repetitions parses"
parse_best ours
ours_time=$best
printf '%-12s %s\n' brannock "$(seconds "$ours_time")"
parse_best ours_compact
ours_compact_time=$best
printf '%-12s %s\n' "brannock -s" "$(seconds "$ours_compact_time")"
parse_best bison
bison_time=$best
printf '%-12s %s\n' bison "$(seconds "$bison_time")"
[ "$bison_time" -gt 0 ] || bison_time=1
echo "ratio brannock/bison: $(ratio "$ours_time" "$bison_time")"
echo "ratio brannock -s/bison: $(ratio "$ours_compact_time" "$bison_time")"

ours_tables=(yytokenaction yystateaction yynontermgoto yystategoto yyreduction \
  yyctokenaction yycstateaction yycnontermgoto yycstategoto yydestructor yytokendest yytokendestbase yyctokendest)
for name in ours ours_compact; do
  echo "$name tables:"
  table_bytes "$work/$name.o" "${ours_tables[@]}"
  printf -v "${name}_bytes" %d "$bytes"
done
echo "bison tables:"
table_bytes "$work/bison.o" yytranslate yypact yydefact yypgoto yydefgoto yytable yycheck yystos yyr1 yyr2
bison_bytes=$bytes
echo "ratio brannock/bison tables: $(ratio "$ours_bytes" "$bison_bytes")"
echo "ratio brannock -s/bison tables: $(ratio "$ours_compact_bytes" "$bison_bytes")"
