#!/usr/bin/env bash
# Times brannock's LALR(1) construction against bison and byacc (each that is
# installed): on the ANSI C grammar of the test corpus and on one generated
# grammar of 5,000 rules, every tool writing its verbose report, and prints the
# times and the ratios brannock/bison and brannock/byacc.
#
#   bench/automaton_speed.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold
# bin/brannock and bin/grammar_generator; nothing is built here. RULES and
# REPETITIONS in the environment change the generated grammar's size (5000)
# and how many runs each tool gets (5); the best run counts, since noise only
# ever adds time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
rules=${RULES:-5000}
repetitions=${REPETITIONS:-5}

brannock=$build/bin/brannock
generator=$build/bin/grammar_generator
require "$brannock" "$generator"

installed_peers bison byacc

make_work
cp "$root/brannock/tests/grammars/ansic.y" "$work/ansic.y"
"$generator" "$rules" >"$work/generated.y"

# run_tool TOOL GRAMMAR: times TOOL on GRAMMAR (a file in $work), with its
# verbose report written, and leaves the time in ${TOOL}_time. Each tool gets
# its own output names, so no run reads or overwrites another's files; byacc
# takes a file prefix, and writes PREFIX.tab.c and PREFIX.output.
run_tool() {
  local tool=$1 grammar=$2
  local stem=${grammar%.y}
  case $tool in
  brannock) best_of "$tool" "$brannock" "$grammar" -\$ -pla -o "$stem.brannock.c" -v "$stem.brannock.v" ;;
  bison) best_of "$tool" bison -y -v -o "$stem.bison.c" "$grammar" ;;
  byacc) best_of "$tool" byacc -v -b "$stem.byacc" "$grammar" ;;
  esac
  printf -v "${tool}_time" '%s' "$best"
  printf '  %-9s %s\n' "$tool" "$(seconds "$best")"
}

# states GRAMMAR: the state count from brannock's verbose summary, so that the
# times can be read against the size of the automaton.
states() {
  sed -n 's/^[0-9]* grammar rule(s), \([0-9]*\) state(s)$/\1/p' "$work/${1%.y}.brannock.v"
}

# An unoptimised build says little about speed; the build type is shown with the times.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
echo "best of $repetitions runs, every tool writing its verbose report; brannock build type: ${build_type:-none (unoptimised)}"
for grammar in ansic.y generated.y; do
  case $grammar in
  ansic.y) description="brannock/tests/grammars/ansic.y" ;;
  generated.y) description="generated grammar of $rules rules" ;;
  esac
  echo "$description, $(wc -c <"$work/$grammar") bytes:"
  run_tool brannock "$grammar"
  count=$(states "$grammar")
  [ -z "$count" ] || echo "  (brannock: $count states)"
  for peer in "${peers[@]}"; do
    run_tool "$peer" "$grammar"
  done
  for peer in "${peers[@]}"; do
    peer_time_name=${peer}_time
    peer_time=${!peer_time_name}
    # A run below the clock's resolution would divide by zero.
    [ "$peer_time" -gt 0 ] || peer_time=1
    echo "  ratio brannock/$peer: $(ratio "$brannock_time" "$peer_time")"
  done
done
