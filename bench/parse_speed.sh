#!/usr/bin/env bash
# Times a brannock parser against bison's for one expression grammar without
# actions, parsing the same stream of at least 10 million tokens from memory,
# and prints the times, the ratio and the bytes of each one's tables; then
# the same in C++ (against bison's lalr1.cc) and in Java (against bison's
# Java skeleton) when g++ and a JDK are there. In every language the lexer
# is compiled apart from the parser, so that no parser inlines it.
#
#   bench/parse_speed.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold bin/brannock
# and lib/libyl.a (and lib/yl.jar for Java); nothing is built there. TOKENS and REPETITIONS in the
# environment change the stream length (10000000) and how many parses each
# parser gets (3); the best one counts, since noise only ever adds time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
tokens=${TOKENS:-10000000}
repetitions=${REPETITIONS:-3}

brannock=$build/bin/brannock
library=$build/lib/libyl.a
require "$brannock" "$library"
require_commands bison

make_work
# shellcheck source=bench/parse_speed/table_size.sh
source "$root/bench/parse_speed/table_size.sh"
sources=$root/bench/parse_speed
cp "$sources/expr.y" "$sources/driver.h" "$sources/read_stream.h" "$work/"
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
  gcc -O2 -I"$root/runtime/common" -I"$root/runtime/parser" -c "$work/$name.c" -o "$work/$name.o"
  gcc -O2 "$work/$name.o" "$work/lexer.o" "$library" -o "$work/$name"
done
(cd "$work" && bison -y -Wnone -o bison.c expr.y)
gcc -O2 -c "$work/bison.c" -o "$work/bison.o"
gcc -O2 "$work/bison.o" "$work/lexer.o" -o "$work/bison"

# parse_all NAME...: the fastest of $repetitions parses of each program, in
# nanoseconds as the program measures them around its parse, in best[NAME].
# The programs take turns, so that a machine getting busier or quieter
# during the run treats them alike.
declare -A best
parse_all() {
  local name run elapsed
  for name in "$@"; do best[$name]=; done
  for ((run = 0; run < repetitions; ++run)); do
    for name in "$@"; do
      if ! elapsed=$("$work/$name" "$work/tokens.bin"); then
        echo "$name failed to parse the stream" >&2
        exit 1
      fi
      if [ -z "${best[$name]}" ] || [ "$elapsed" -lt "${best[$name]}" ]; then
        best[$name]=$elapsed
      fi
    done
  done
}

echo "stream: $written tokens; best of $repetitions parses"
parse_all ours ours_compact bison
ours_time=${best[ours]}
ours_compact_time=${best[ours_compact]}
bison_time=${best[bison]}
printf '%-12s %s\n' brannock "$(seconds "$ours_time")" "brannock -s" "$(seconds "$ours_compact_time")"
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

# The C++ parsers: ours derives from yyfparser, bison's is lalr1.cc.
if command -v g++ >/dev/null; then
  cp "$sources/expr_cpp.y" "$sources/expr_bison_cpp.y" "$sources/driver_cpp.h" "$work/"
  (cd "$work" && "$brannock" -\$ -Tcpp expr_cpp.y) >"$work/cpp.log" 2>&1 || { cat "$work/cpp.log" >&2; exit 1; }
  g++ -O2 -I"$root/runtime/common" -I"$root/runtime/parser" "$work/expr_cpp.cpp" "$work/lexer.o" "$library" -o "$work/ours_cpp"
  (cd "$work" && bison -Wnone -o bison_cpp.cc expr_bison_cpp.y)
  g++ -O2 "$work/bison_cpp.cc" "$work/lexer.o" -o "$work/bison_cpp"
  parse_all ours_cpp bison_cpp
  ours_cpp_time=${best[ours_cpp]}
  bison_cpp_time=${best[bison_cpp]}
  printf '%-12s %s\n' "brannock C++" "$(seconds "$ours_cpp_time")" "bison C++" "$(seconds "$bison_cpp_time")"
  echo "ratio brannock/bison C++: $(ratio "$ours_cpp_time" "$bison_cpp_time")"
fi

# The Java parsers: each parses the stream several times in its JVM and
# reports its fastest parse, after the JIT has compiled it.
jar=$build/lib/yl.jar
if command -v javac >/dev/null && [ -f "$jar" ]; then
  cp "$sources/ExprParser.y" "$sources/BisonExpr.y" "$sources/TokenStream.java" "$work/"
  (cd "$work" && "$brannock" -\$ -Tj ExprParser.y) >"$work/java.log" 2>&1 || { cat "$work/java.log" >&2; exit 1; }
  (cd "$work" && bison -Wnone -o BisonExpr.java BisonExpr.y)
  (cd "$work" && javac -nowarn -cp "$jar" -d classes ExprParser.java BisonExpr.java TokenStream.java)
  java_best() {
    java_time=$(java -Drepetitions="$repetitions" -cp "$jar:$work/classes" "$1" "$work/tokens.bin")
    if [ "$java_time" -lt 0 ]; then
      echo "$1 failed to parse the stream" >&2
      exit 1
    fi
  }
  java_best ExprParser
  ours_java_time=$java_time
  java_best BisonExpr
  bison_java_time=$java_time
  printf '%-12s %s\n' "brannock Java" "$(seconds "$ours_java_time")" "bison Java" "$(seconds "$bison_java_time")"
  echo "ratio brannock/bison Java: $(ratio "$ours_java_time" "$bison_java_time")"
fi
