#!/usr/bin/env bash
# Installs what is missing, builds Brannock and the runtime library, then
# generates the example calculator, compiles it and runs it on a sample.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON >/dev/null
cmake --build build --target brannock yl

out=build/examples
mkdir -p "$out"
cp examples/calc.y "$out/"
(cd "$out" && ../bin/brannock calc.y -i -v)
printf '\n==> %s <==\n' "$out/calc.h"
cat "$out/calc.h"
gcc -Wall -Werror -I runtime -I "$out" "$out/calc.c" build/lib/libyl.a -o "$out/calc"
printf '\n==> calc on: 1+2*3, (4-1)/2, -5 <==\n'
printf '1+2*3\n(4-1)/2\n-5\n' | "$out/calc"
