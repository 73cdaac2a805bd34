#!/usr/bin/env bash
# Installs what building and testing Corvane needs on Debian 12, skipping
# what is already there.
set -euo pipefail

# pkgconf, man-db, groff-base, dpkg-dev and file serve the install tests:
# pkg-config, the manual pages, and CPack's Debian package; jflex the
# scanning benchmark.
packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev clang libclang-rt-14-dev bison byacc flex re2c valgrind openjdk-17-jdk-headless
  pkgconf man-db groff-base dpkg-dev file jflex)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root=()
[ "$(id -u)" -eq 0 ] || run_as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
