#!/usr/bin/env bash
# Times brannock against bison (and byacc, when installed) on one generated
# grammar of 20,000 rules and prints the times and the ratios.
#
#   bench/read_large_grammar.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold
# bin/brannock and bin/grammar_generator; nothing is built here. RULES and
# REPETITIONS in the environment change the grammar size (20000) and how many
# runs each tool gets (5); the best run counts, since noise only ever adds time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
rules=${RULES:-20000}
repetitions=${REPETITIONS:-5}

brannock=$build/bin/brannock
generator=$build/bin/grammar_generator
require "$brannock" "$generator"

make_work
grammar=$work/big.y
"$generator" "$rules" >"$grammar"

echo "grammar: $rules rules, $(wc -c <"$grammar") bytes; best of $repetitions runs"

best_of brannock "$brannock" -\$ "$grammar" -o /dev/null
brannock_time=$best
printf '%-9s %s\n' brannock "$(seconds "$brannock_time")"

peers=()
if command -v bison >/dev/null; then
  best_of bison bison -y -o /dev/null "$grammar"
  bison_time=$best
  printf '%-9s %s\n' bison "$(seconds "$bison_time")"
  peers+=(bison)
else
  echo "bison     not installed, skipped"
fi
if command -v byacc >/dev/null; then
  best_of byacc byacc -o "$work/byacc.c" "$grammar"
  byacc_time=$best
  printf '%-9s %s\n' byacc "$(seconds "$byacc_time")"
  peers+=(byacc)
else
  echo "byacc     not installed, skipped"
fi

for peer in "${peers[@]}"; do
  peer_time_name=${peer}_time
  peer_time=${!peer_time_name}
  # A run below the clock's resolution would divide by zero.
  [ "$peer_time" -gt 0 ] || peer_time=1
  echo "ratio brannock/$peer: $(ratio "$brannock_time" "$peer_time")"
done
