#!/usr/bin/env bash
# Installs Corvane from a build tree into a temporary prefix and builds the
# example calculators with the compiler alone, taking the include directory
# and the library from pkg-config: C and C++, each with its Lindle scanner.
#   pkg_config.sh BUILD_DIR EXAMPLES_DIR
set -euo pipefail
build=$(realpath "$1")
examples=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
unset PKG_CONFIG_LIBDIR PKG_CONFIG_SYSROOT_DIR

fail() {
  echo "FAIL: $*"
  exit 1
}

expect() {
  [ "$2" = "$3" ] || fail "$1 gave '$2', not '$3'"
}

expect "pkg-config --modversion yl" "$(pkg-config --modversion yl)" 2.07
expect "pkg-config --cflags --libs yl" "$(pkg-config --cflags --libs yl | xargs)" "-I$prefix/include/yl -L$prefix/lib -lyl"
expect "pkg-config --cflags --libs ylw" "$(pkg-config --cflags --libs ylw | xargs)" "-I$prefix/include/yl -L$prefix/lib -lylw"

cd "$work"
cp "$examples/calc.y" "$examples/calc.l" "$examples/calc_cpp.y" "$examples/calc_cpp.l" .
input=$'1 + 2 * 3\n(1 + 2) * 3\n-4 / 2\n'
expected=$'7\n9\n-2'

"$prefix/bin/brannock" -$ calc.y -i
"$prefix/bin/lindle" -$ calc.l -o calc_lex.c
# yl is a static library: the linker takes from it what the objects
# before it need, so the libraries come after the sources.
cc -Wall -Wextra -Werror $(pkg-config --cflags yl) calc.c calc_lex.c $(pkg-config --libs yl) -o calc
expect "the C calculator" "$(./calc <<<"$input")" "$expected"

"$prefix/bin/brannock" -$ calc_cpp.y -Tcpp -i
"$prefix/bin/lindle" -$ calc_cpp.l -Tcpp -o calc_cpp_lex.cpp -i
c++ -Wall -Wextra -Werror $(pkg-config --cflags yl) calc_cpp.cpp calc_cpp_lex.cpp $(pkg-config --libs yl) -o calc_cpp
expect "the C++ calculator" "$(./calc_cpp <<<"$input")" "$expected"

echo "pkg-config gives what the calculators need"
