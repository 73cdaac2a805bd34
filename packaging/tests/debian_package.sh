#!/usr/bin/env bash
# Makes the Debian package from a build tree with CPack and lists it with
# dpkg-deb -c: it holds exactly what cmake --install installs. Installs it
# with dpkg -i, builds the user project against /usr, removes it with
# dpkg -r, and checks that nothing of it is left. It changes the system, so
# it runs only as root where no corvane package is installed, one run on
# the machine at a time, and skips (status 77) elsewhere.
#   debian_package.sh BUILD_DIR PROJECT_DIR
set -euo pipefail
build=$(realpath "$1")
project_source=$(realpath "$2")
skip=77

if [ "$(id -u)" -ne 0 ] || ! command -v dpkg >/dev/null || ! command -v flock >/dev/null; then
  echo "SKIPPED: installing a package needs root, dpkg and flock"
  exit $skip
fi

work=$(mktemp -d)
installed=false
cleanup() {
  if $installed; then
    dpkg -r corvane >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

exec 9>/var/lock/corvane-debian-package-test.lock
flock 9

package_state() {
  dpkg-query -W -f='${Status}' corvane 2>/dev/null || true
}
if [[ "$(package_state)" == *"ok installed"* || "$(package_state)" == *config-files* ]]; then
  echo "SKIPPED: a corvane package is installed on this machine"
  exit $skip
fi

# dpkg waits for no one: while apt or another dpkg holds its lock, try again.
run_dpkg() {
  local attempt
  for attempt in $(seq 1 40); do
    if dpkg "$@" >"$work/dpkg.log" 2>&1; then
      return 0
    fi
    grep -qi "lock" "$work/dpkg.log" || break
    sleep 3
  done
  cat "$work/dpkg.log"
  return 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack failed"
}
deb=$(echo "$work"/package/corvane_*_amd64.deb)
[ -f "$deb" ] || fail "no package in $work/package"
echo "dpkg-deb -c $(basename "$deb"):"
dpkg-deb -c "$deb" | tee "$work/contents"

# Exactly the install tree, under /usr.
cmake --install "$build" --prefix "$work/tree" >/dev/null
(cd "$work/tree" && find . ! -type d | sed 's|^\.|/usr|') | sort >"$work/expected"
awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' "$work/contents" | sort >"$work/files"
diff "$work/expected" "$work/files" || fail "the package does not hold the install tree"
for file in /usr/bin/brannock /usr/bin/lindle /usr/lib/libyl.a /usr/lib/libylw.a /usr/include/yl/yypars.h \
  /usr/include/yl/yylex.h /usr/lib/cmake/Corvane/CorvaneConfig.cmake /usr/lib/pkgconfig/yl.pc \
  /usr/lib/pkgconfig/ylw.pc /usr/share/man/man1/brannock.1 /usr/share/man/man1/lindle.1 /usr/share/man/man3/yl.3; do
  grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
if [ -f "$build/lib/yl.jar" ]; then
  grep -qxF /usr/share/java/yl.jar "$work/files" || fail "the package lacks yl.jar"
fi
dpkg-deb -f "$deb" Depends | grep -q libstdc++6 || fail "the package does not depend on libstdc++6"

# Nothing of the package may be on the system yet; the directories it
# brings are noted, to be gone again after removal.
while read -r file; do
  [ ! -e "$file" ] || fail "$file is already on the system"
done <"$work/files"
awk '$1 ~ /^d/ { sub(/^\./, "", $6); sub(/\/$/, "", $6); print $6 }' "$work/contents" |
  while read -r directory; do
    [ -d "$directory" ] || echo "$directory"
  done >"$work/new-directories"

installed=true
run_dpkg -i "$deb" || fail "dpkg -i failed"
[[ "$(package_state)" == "install ok installed" ]] || fail "after dpkg -i the package is '$(package_state)'"
[ "$(brannock --version)" = "Brannock, Version 2.07" ] || fail "brannock --version: $(brannock --version)"
[ "$(lindle --version)" = "Lindle, Version 2.07" ] || fail "lindle --version: $(lindle --version)"
[ "$(man -w brannock)" = /usr/share/man/man1/brannock.1 ] || fail "man does not find brannock(1)"
[ "$(man -w 3 yl)" = /usr/share/man/man3/yl.3 ] || fail "man does not find yl(3)"
[ "$(env -u PKG_CONFIG_PATH pkg-config --cflags yl | xargs)" = "-I/usr/include/yl" ] ||
  fail "pkg-config does not find yl under /usr"

# The user project finds the package by itself.
cp -r "$project_source" "$work/project"
cmake -S "$work/project" -B "$work/user" -G Ninja >"$work/user.log" 2>&1 || {
  cat "$work/user.log"
  fail "the user project does not configure against /usr"
}
[ "$(sed -n 's/^Corvane_DIR:PATH=//p' "$work/user/CMakeCache.txt")" = /usr/lib/cmake/Corvane ] ||
  fail "find_package(Corvane) did not find /usr/lib/cmake/Corvane"
cmake --build "$work/user" >"$work/user.log" 2>&1 || {
  cat "$work/user.log"
  fail "the user project does not build against /usr"
}
[ "$(printf '1 + 2 * 3\n' | "$work/user/calc")" = 7 ] || fail "the calculator built against /usr is wrong"

run_dpkg -r corvane || fail "dpkg -r failed"
installed=false
[[ "$(package_state)" != *"ok installed"* && "$(package_state)" != *config-files* ]] ||
  fail "after dpkg -r the package is '$(package_state)'"
while read -r file; do
  [ ! -e "$file" ] || fail "$file is left after dpkg -r"
done <"$work/files"
while read -r directory; do
  [ ! -e "$directory" ] || fail "$directory is left after dpkg -r"
done <"$work/new-directories"

echo "the package installs, serves the user project and uninstalls cleanly"
