#!/usr/bin/env bash
# Builds what we ship (the generator and the runtime, no tests) the way a
# user would, in every build type with g++ and clang, warnings as errors:
# tools/build-types.sh [COMPILER:TYPE ...]   (default: all six)
# The test command runs it for Release with g++, where -O3 brings warnings
# that the test builds never see.
set -euo pipefail
cd "$(dirname "$0")/.."
combinations=("$@")
[ ${#combinations[@]} -gt 0 ] || combinations=(g++:Release g++:RelWithDebInfo g++:Debug
  clang++:Release clang++:RelWithDebInfo clang++:Debug)
for combination in "${combinations[@]}"; do
  compiler=${combination%%:*}
  type=${combination#*:}
  c_compiler=gcc
  [ "$compiler" = clang++ ] && c_compiler=clang
  dir=build-types/$compiler-$type
  echo "Building $type with $compiler in $dir"
  CC=$c_compiler CXX=$compiler cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DCORVANE_TESTS=OFF \
    -DCORVANE_WERROR=ON >/dev/null
  cmake --build "$dir"
done
