#!/usr/bin/env bash
# Installs Corvane from a build tree into a temporary prefix and builds the
# user project against it, with nothing else from the source tree:
# find_package(Corvane) finds that prefix; the calculator computes; a
# touched grammar is generated and compiled again and nothing else is; a
# grammar whose header changes recompiles the scanner that includes it; a
# grammar with an error fails the build and leaves no generated file; a
# build after any of these has nothing left to do; parallel builds from
# scratch never race.
#   user_project.sh BUILD_DIR PROJECT_DIR C|CXX
set -euo pipefail
build=$(realpath "$1")
project_source=$(realpath "$2")
language=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
project=$work/project
tree=$work/build
cmake --install "$build" --prefix "$prefix" >/dev/null
cp -r "$project_source" "$project"

if [ "$language" = CXX ]; then
  grammar=$project/cpp/calc.y
  parser_source=$tree/calc.cpp
  warnings=-DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror"
else
  grammar=$project/c/calc.y
  parser_source=$tree/calc.c
  warnings=-DCMAKE_C_FLAGS="-Wall -Wextra -Werror"
fi

fail() {
  echo "FAIL: $*"
  exit 1
}

configure() {
  cmake -S "$project" -B "$tree" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" -DCALC_LANGUAGE="$language" "$warnings" \
    >/dev/null
  local found
  found=$(sed -n 's/^Corvane_DIR:PATH=//p' "$tree/CMakeCache.txt")
  [ "$found" = "$prefix/lib/cmake/Corvane" ] || fail "find_package(Corvane) found '$found'"
}

build() {
  cmake --build "$tree" "$@" >"$work/build.log" 2>&1 || {
    cat "$work/build.log"
    fail "the build failed"
  }
}

check_calculator() {
  local output
  output=$(printf '1 + 2 * 3\n(1 + 2) * 3\n-4 / 2\n2 +\n3\n' | "$tree/calc" 2>"$work/stderr")
  [ "$output" = $'7\n9\n-2\n3' ] || fail "the calculator printed: $output"
  [ "$(cat "$work/stderr")" = "syntax error" ] || fail "the calculator reported: $(cat "$work/stderr")"
}

check_nothing_to_do() {
  build
  grep -q "no work to do" "$work/build.log" || {
    cat "$work/build.log"
    fail "a second build still had work: $1"
  }
}

# The modification times of the generated files and the objects.
times() {
  local file
  for file in "$tree/calc.h" "$parser_source" "$tree/scan.c" "$tree/scan.h" "$@"; do
    printf '%s %s\n' "$(basename "$file")" "$(stat -c %y "$file")"
  done
}

changed() {
  diff <(echo "$1") <(echo "$2") | sed -n 's/^> \([^ ]*\) .*/\1/p' | sort | tr '\n' ' '
}

configure
build
check_calculator
parser_object=$(find "$tree/CMakeFiles" -name "$(basename "$parser_source").o")
scanner_object=$(find "$tree/CMakeFiles" -name scan.c.o)
[ -n "$parser_object" ] && [ -n "$scanner_object" ] || fail "objects not found"
check_nothing_to_do "after the first build"

# Edits the grammar with the command given, builds, and checks which of
# the generated files and objects changed; one more build must then have
# nothing to do.
check_rebuild() {
  local description=$1 expected=$2 before after
  shift 2
  before=$(times "$parser_object" "$scanner_object")
  sleep 1
  "$@"
  build
  after=$(times "$parser_object" "$scanner_object")
  [ "$(changed "$before" "$after")" = "$expected" ] || fail "$description changed: $(changed "$before" "$after")"
  check_nothing_to_do "after $description"
  check_calculator
}
parser_changes="$(basename "$parser_source") $(basename "$parser_object") "

# A touched grammar: Brannock runs again and writes the same header, which
# keeps its time, so only the parser is compiled again.
check_rebuild "a touched grammar" "$parser_changes" touch "$grammar"

# A new member of the value type changes the header, and the scanner that
# includes it is compiled again; Lindle does not run.
check_rebuild "a changed header" "${parser_changes}calc.h scan.c.o " \
  sed -i 's/^\tdouble value;$/\tdouble value;\n\tint spare;/' "$grammar"

# An error in the grammar fails the build with its diagnostic, and leaves
# neither the parser nor its header; mended, the build goes on.
cp "$grammar" "$work/grammar.good"
sed -i 's/^\t| NUMBER$/\t| NUMBER @/' "$grammar"
if cmake --build "$tree" >"$work/build.log" 2>&1; then
  fail "a grammar with an error built"
fi
grep -q "calc.y([0-9]*) : error Y2003: unrecognised character '0x40'" "$work/build.log" || {
  cat "$work/build.log"
  fail "the build did not show Brannock's error"
}
[ ! -e "$parser_source" ] && [ ! -e "$tree/calc.h" ] || fail "a failed run left its files"
cp "$work/grammar.good" "$grammar"
build
check_calculator
check_nothing_to_do "after a mended grammar"
[ -z "$(find "$tree" -name '.*.kept')" ] || fail "a kept header was left behind"

# Parallel builds from scratch: the scanner never compiles before the
# parser's header is there.
for round in 1 2 3 4; do
  rm -rf "$tree"
  configure
  build -j 4
  check_calculator
done

echo "the user project builds in $language against the installed package"
