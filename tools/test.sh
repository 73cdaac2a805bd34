#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once with g++, once
# with clang under AddressSanitizer and UndefinedBehaviorSanitizer, where the
# fuzz targets also run briefly on their corpora. The workbench's build
# runner, whose worker thread meets the user-interface thread, also runs
# under ThreadSanitizer. What we ship is also built as a user builds it,
# Release with g++.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j2)

tools/build-types.sh g++:Release

CC=clang CXX=clang++ tools/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=ON -DCORVANE_FUZZ=ON
(cd build-asan && ctest --output-on-failure -j2)

CC=clang CXX=clang++ TARGET=corvide_runner_tests tools/build.sh build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_THREAD_SANITIZE=ON
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^(BuildRunner|BuildThreads)\.')
