#!/usr/bin/env bash
# Times parser generation on growing programming-language-like grammars:
# brannock against bison and byacc (each that is installed), every tool
# writing its parser and its verbose report, on the grammars of
# `grammar_generator --language N` (N statement kinds, 12 precedence levels,
# 4N + 48 rules) for N = 500, 1000, 2000 and 4000. For each N it prints the
# CPU time (user + system) and the peak memory of each tool and the ratios
# brannock/peer, then each tool's growth exponent: the log-log slope of its
# time against N over N = 1000 .. 4000 (1 is linear, 2 quadratic).
#
#   bench/generation_speed.sh [BUILD_DIR]
#
# BUILD_DIR (default: the repository's build) must already hold
# bin/brannock and bin/grammar_generator; nothing is built here. SIZES and
# REPETITIONS in the environment change the values of N ("500 1000 2000
# 4000") and how many runs each tool gets (5). The runs of the tools
# alternate, so that a slow spell of a shared machine falls on all of them,
# and the median run counts. Times are measured with GNU time
# (/usr/bin/time, Debian's package `time`), or with python3 where it is
# missing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
locate_build "$root" "${1:-}"
sizes=${SIZES:-500 1000 2000 4000}
repetitions=${REPETITIONS:-5}

brannock=$build/bin/brannock
generator=$build/bin/grammar_generator
require "$brannock" "$generator"

installed_peers bison byacc
tools=(brannock "${peers[@]}")

if [ -x /usr/bin/time ]; then
  meter=gnu-time
elif command -v python3 >/dev/null; then
  meter=python3
else
  echo "neither GNU time nor python3 found: apt-get install time" >&2
  exit 2
fi

make_work

# measure COMMAND...: runs COMMAND in $work and prints "SECONDS KILOBYTES":
# its user + system CPU time and its peak resident memory. A failing run
# ends the benchmark, since its figures would say nothing.
measure() {
  local status=0
  case $meter in
  gnu-time)
    (cd "$work" && /usr/bin/time -f '%U %S %M' -o "$work/measure" "$@" >"$work/run.out" 2>&1) || status=$?
    [ "$status" -eq 0 ] && awk '{ printf "%.3f %d\n", $1 + $2, $3 }' "$work/measure"
    ;;
  python3)
    (cd "$work" && python3 -c '
import resource, subprocess, sys
with open(sys.argv[1], "w") as out:
    status = subprocess.run(sys.argv[2:], stdout=out, stderr=subprocess.STDOUT).returncode
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print("%.3f %d" % (usage.ru_utime + usage.ru_stime, usage.ru_maxrss))
sys.exit(status)' "$work/run.out" "$@") || status=$?
    ;;
  esac
  if [ "$status" -ne 0 ]; then
    echo "$* failed:" >&2
    head -n 20 "$work/run.out" >&2
    exit 1
  fi
}

# run TOOL N: one run of TOOL on grammar N, its parser and report written;
# each tool gets its own output names.
run() {
  local tool=$1 n=$2
  case $tool in
  brannock) measure "$brannock" "g$n.y" -\$ -o "g$n.brannock.c" -v "g$n.brannock.v" ;;
  bison) measure bison -y -v -o "g$n.bison.c" "g$n.y" ;;
  byacc) measure byacc -v -b "g$n.byacc" "g$n.y" ;;
  esac
}

# median FILE COLUMN: the median of one column of a file of numbers.
median() {
  sort -n -k"$2","$2" "$1" | awk -v column="$2" '{ value[NR] = $column }
    END { print NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}

# ratio A B: A/B to two decimals.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'
}

build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
echo "median of $repetitions alternating runs, CPU time (user + system) and peak memory, every tool writing its parser"
echo "and its verbose report; brannock build type: ${build_type:-none (unoptimised)}"
header=$(printf '%6s %7s %7s' N rules states)
for tool in "${tools[@]}"; do
  header+=$(printf ' %9s' "$tool")
done
for tool in "${tools[@]:1}"; do
  header+=$(printf ' %9s' "/$tool")
done
for tool in "${tools[@]}"; do
  header+=$(printf ' %10s' "MB $tool")
done
for tool in "${tools[@]:1}"; do
  header+=$(printf ' %9s' "MB /$tool")
done
echo "$header"

: >"$work/growth"
for n in $sizes; do
  "$generator" --language "$n" >"$work/g$n.y"
  for tool in "${tools[@]}"; do
    : >"$work/$tool.$n"
  done
  for ((repetition = 0; repetition < repetitions; ++repetition)); do
    for tool in "${tools[@]}"; do
      run "$tool" "$n" >>"$work/$tool.$n"
    done
  done
  summary=$(sed -n 's/^\([0-9]*\) grammar rule(s), \([0-9]*\) state(s)$/\1 \2/p' "$work/g$n.brannock.v")
  line=$(printf '%6s %7s %7s' "$n" ${summary:-- -})
  declare -A seconds=() megabytes=()
  for tool in "${tools[@]}"; do
    seconds[$tool]=$(median "$work/$tool.$n" 1)
    megabytes[$tool]=$(awk -v kb="$(median "$work/$tool.$n" 2)" 'BEGIN { printf "%.1f", kb / 1024 }')
    line+=$(printf ' %8.3fs' "${seconds[$tool]}")
    echo "$tool $n ${seconds[$tool]}" >>"$work/growth"
  done
  for tool in "${tools[@]:1}"; do
    line+=$(printf ' %9s' "$(ratio "${seconds[brannock]}" "${seconds[$tool]}")")
  done
  for tool in "${tools[@]}"; do
    line+=$(printf ' %10s' "${megabytes[$tool]}")
  done
  for tool in "${tools[@]:1}"; do
    line+=$(printf ' %9s' "$(ratio "${megabytes[brannock]}" "${megabytes[$tool]}")")
  done
  echo "$line"
done

# The least-squares slope of log(time) against log(N) over N = 1000 .. 4000.
echo "growth exponent over N = 1000 .. 4000 (log-log slope of time against N):"
for tool in "${tools[@]}"; do
  awk -v tool="$tool" '$1 == tool && $2 >= 1000 && $2 <= 4000 && $3 > 0 {
      x = log($2); y = log($3); n++; sx += x; sy += y; sxx += x * x; sxy += x * y }
    END {
      if (n < 2 || n * sxx == sx * sx) printf "  %-9s -\n", tool
      else printf "  %-9s %.2f\n", tool, (n * sxy - sx * sy) / (n * sxx - sx * sx) }' "$work/growth"
done
