#!/usr/bin/env bash
# Installs what is missing, builds, and runs Brannock on the example grammar.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
TARGET=brannock tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

out=build/examples
mkdir -p "$out"
cp examples/calc.y "$out/"
(cd "$out" && ../bin/brannock calc.y -i -v)
for file in "$out"/calc.h "$out"/calc.c; do
  printf '\n==> %s <==\n' "$file"
  cat "$file"
done
