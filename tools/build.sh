#!/usr/bin/env bash
# Configures and builds one tree, warnings as errors:
# tools/build.sh DIR [cmake options...]
# TARGET in the environment builds only that target.
set -euo pipefail
dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DCORVANE_TESTS=ON -DCORVANE_WERROR=ON "$@" >/dev/null
cmake --build "$dir" ${TARGET:+--target "$TARGET"}
