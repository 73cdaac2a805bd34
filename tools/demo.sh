#!/usr/bin/env bash
# Installs what is missing, builds Brannock, Lindle and the runtime library,
# then generates the example calculator in C, C++ and Java, each with its
# Lindle scanner, compiles each with the runtime and runs it on the same
# sample.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON >/dev/null
targets=(brannock lindle yl)
command -v javac >/dev/null && targets+=(yljava)
cmake --build build --target "${targets[@]}"

out=build/examples
mkdir -p "$out"
cp examples/calc.y examples/calc.l "$out/"
(cd "$out" && ../bin/brannock calc.y -i -v && ../bin/lindle calc.l -o calc_lex.c)
printf '\n==> %s <==\n' "$out/calc.h"
cat "$out/calc.h"
gcc -Wall -Werror -I runtime/common -I runtime/parser -I runtime/lexer -I "$out" "$out/calc.c" "$out/calc_lex.c" \
  build/lib/libyl.a -o "$out/calc"
printf '\n==> calc on: 1+2*3, (4-1)/2, -5 <==\n'
printf '1+2*3\n(4-1)/2\n-5\n' | "$out/calc"

sample='1+2*3\n(4-1)/2\n-5\n'
cp examples/calc_cpp.y examples/calc_cpp.l "$out/"
(cd "$out" && ../bin/brannock -$ -Tcpp calc_cpp.y -i && ../bin/lindle -$ -Tcpp calc_cpp.l -o calc_cpp_lex.cpp -i)
g++ -Wall -Werror -I runtime/common -I runtime/parser -I runtime/lexer -I "$out" "$out/calc_cpp.cpp" \
  "$out/calc_cpp_lex.cpp" build/lib/libyl.a -o "$out/calc_cpp"
printf '\n==> C++ calc (with its Lindle scanner) on the same <==\n'
printf "$sample" | "$out/calc_cpp"

if command -v javac >/dev/null; then
  cp examples/Calc.y examples/CalcLexer.l "$out/"
  (cd "$out" && ../bin/brannock -$ -Tj Calc.y && ../bin/lindle -$ -Tj CalcLexer.l)
  javac -Xlint:all -Werror -cp build/lib/yl.jar -d "$out/classes" "$out/Calc.java" "$out/CalcLexer.java"
  printf '\n==> Java Calc (with its Lindle scanner) on the same <==\n'
  printf "$sample" | java -cp "build/lib/yl.jar:$out/classes" Calc
fi

# Tally, the second example: a small language with strings and comments in
# start conditions of their own and recovery from statements that do not
# parse, in the three languages on its sample.
cp examples/tally.y examples/tally.l examples/tally_text.h examples/tally_pool.h examples/tally_cpp.y examples/tally_cpp.l examples/tally.in "$out/"
(cd "$out" && ../bin/brannock -$ tally.y -i && ../bin/lindle -$ tally.l -o tally_lex.c &&
  ../bin/brannock -$ -Tcpp tally_cpp.y -i && ../bin/lindle -$ -Tcpp tally_cpp.l -o tally_cpp_lex.cpp -i)
gcc -Wall -Werror -I runtime/common -I runtime/parser -I runtime/lexer -I "$out" "$out/tally.c" "$out/tally_lex.c" \
  build/lib/libyl.a -o "$out/tally"
g++ -Wall -Werror -I runtime/common -I runtime/parser -I runtime/lexer -I "$out" "$out/tally_cpp.cpp" \
  "$out/tally_cpp_lex.cpp" build/lib/libyl.a -o "$out/tally_cpp"
printf '\n==> %s <==\n' examples/tally.in
cat examples/tally.in
printf '\n==> C tally on it <==\n'
"$out/tally" <examples/tally.in
printf '\n==> C++ tally on it <==\n'
"$out/tally_cpp" <examples/tally.in
if command -v javac >/dev/null; then
  cp examples/Tally.y examples/TallyLexer.l "$out/"
  (cd "$out" && ../bin/brannock -$ -Tj Tally.y && ../bin/lindle -$ -Tj TallyLexer.l)
  javac -Xlint:all -Werror -cp build/lib/yl.jar -d "$out/classes" "$out/Tally.java" "$out/TallyLexer.java"
  printf '\n==> Java Tally on it <==\n'
  java -cp "build/lib/yl.jar:$out/classes" Tally <examples/tally.in
fi
