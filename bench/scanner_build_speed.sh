#!/usr/bin/env bash
# Times lindle building scanners against its peers on the same rules:
#   - Unicode identifiers: a Java-like language's keywords and identifiers
#     from the wide class expressions over all 65536 code units (lindle -W)
#     against re2c -u given the same classes as explicit ranges;
#   - 2,000 keywords with identifiers and numbers, against flex;
#   - the C lexer of the tests, against flex;
#   - growth: 250 to 20,000 keywords, with the DFA states of each, the time
#     per state and the growth exponent (flex is tried too; it refuses the
#     large ones).
# Each tool's whole run is timed in processor time, the tools taking turns,
# and the median of REPETITIONS (5) counts; callgrind's instruction count of
# the whole run is beside it, since it does not depend on the machine's load.
# Lindle writes no tables yet: its time is reading and the automaton.
#
#   bench/scanner_build_speed.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${REPETITIONS:-5}
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
make_work
locate_build "$root" "${1:-}"
lindle=$build/bin/lindle
require "$lindle" "$build/bin/scanner_states" "$build/bin/unicode_class_ranges" "$build/bin/processor_time"
require_commands flex re2c valgrind

# cpu_time NAME COMMAND...: processor time of one run in microseconds in
# $cpu; a failing run leaves cpu empty.
cpu_time() {
  local name=$1
  shift
  if (cd "$work" && "$build/bin/processor_time" "$@") >"$work/$name.out" 2>"$work/$name.time"; then
    cpu=$(tail -n 1 "$work/$name.time")
  else
    cpu=
  fi
}

# in_turns NAME=COMMAND ...: the median processor time of each command, the
# commands taking turns, in median_cpu[NAME] (empty when the tool failed).
declare -A median_cpu
in_turns() {
  local -A runs=()
  local run entry
  for ((run = 0; run < repetitions; ++run)); do
    for entry in "$@"; do
      # shellcheck disable=SC2086
      cpu_time "${entry%%=*}" ${entry#*=}
      runs[${entry%%=*}]="${runs[${entry%%=*}]:-} $cpu"
    done
  done
  for entry in "$@"; do
    local times=${runs[${entry%%=*}]}
    # shellcheck disable=SC2086
    if [ -n "${times// /}" ] && [ "$(echo $times | wc -w)" -eq "$repetitions" ]; then
      median_cpu[${entry%%=*}]=$(median $times)
    else
      median_cpu[${entry%%=*}]=
    fi
  done
}

# whole_instructions COMMAND...: instructions of the whole run, with the
# programs it starts (flex runs m4), in $counted.
whole_instructions() {
  (cd "$work" && valgrind --tool=callgrind --trace-children=yes --callgrind-out-file="$work/cg.%p.out" "$@") \
    >"$work/cg.log" 2>&1 || true
  counted=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/cg.log" | awk '{ s += $1 } END { print s }')
}

ms() { awk -v t="$1" 'BEGIN { printf "%.1f ms", t / 1000 }'; }

# compare LABEL OURS=COMMAND PEER=COMMAND
compare() {
  local label=$1 ours=$2 peer=$3
  in_turns "$ours" "$peer"
  local ours_time=${median_cpu[${ours%%=*}]} peer_time=${median_cpu[${peer%%=*}]}
  # shellcheck disable=SC2086
  whole_instructions ${ours#*=}
  local ours_count=$counted
  # shellcheck disable=SC2086
  whole_instructions ${peer#*=}
  local peer_count=$counted
  printf '%-22s lindle %10s %14s instr | %-5s %10s %14s instr | time ratio %s, instr ratio %s\n' "$label" \
    "$(ms "$ours_time")" "$ours_count" "${peer%%=*}" "$(ms "${peer_time:-0}")" "$peer_count" \
    "$([ -n "$peer_time" ] && [ "$peer_time" -gt 0 ] && ratio "$ours_time" "$peer_time" || echo -)" \
    "$([ -n "$peer_count" ] && ratio "$ours_count" "$peer_count" || echo -)"
}

keywords() { # keywords N FILE: N random keywords, then identifiers, numbers, blanks
  awk -v rules="$1" 'BEGIN {
    srand(7)
    printf "LETTER [a-z_]\nDIGIT [0-9]\n%%%%\n"
    for (i = 0; i < rules; ++i) {
      do { len = 3 + int(rand() * 8); w = ""; for (j = 0; j < len; j++) w = w sprintf("%c", 97 + int(rand() * 26)) } while (w in seen)
      seen[w] = 1
      printf "\"%s\"\t{ return %d; }\n", w, 256 + i
    }
    printf "{LETTER}({LETTER}|{DIGIT})*\t{ return 1; }\n{DIGIT}+\t{ return 2; }\n[ \\t\\n]+\t;\n.\t{ return yytext[0]; }\n"
  }' >"$2"
}

# Unicode identifiers: the same rules for both tools.
java_keywords="abstract assert boolean break byte case catch char class const continue default do double else enum
extends final finally float for goto if implements import instanceof int interface long native new package private
protected public return short static strictfp super switch synchronized this throw throws transient try void volatile
while"
{
  printf '%%%%\n'
  for k in $java_keywords; do printf '"%s"\t{ return 1; }\n' "$k"; done
  printf '[[:walpha:]_$][[:walnum:]_$]*\t{ return 2; }\n[[:wdigit:]]+\t{ return 3; }\n[[:wspace:]]+\t;\n.\t{ return 4; }\n'
} >"$work/identifiers.l"
{
  printf 'int lex(const unsigned *YYCURSOR) {\n  const unsigned *YYMARKER;\n/*!re2c\n  re2c:yyfill:enable = 0;\n'
  printf '  re2c:define:YYCTYPE = "unsigned";\n'
  printf '  alpha = %s;\n  alnum = %s;\n  digit = %s;\n  space = %s;\n' "$("$build/bin/unicode_class_ranges" alpha)" \
    "$("$build/bin/unicode_class_ranges" alnum)" "$("$build/bin/unicode_class_ranges" digit)" \
    "$("$build/bin/unicode_class_ranges" space)"
  for k in $java_keywords; do printf '  "%s" { return 1; }\n' "$k"; done
  printf '  (alpha | [_$]) (alnum | [_$])* { return 2; }\n  digit+ { return 3; }\n  space+ { return 5; }\n'
  printf '  * { return 4; }\n*/\n}\n'
} >"$work/identifiers.re"

keywords 2000 "$work/keywords2000.l"
cp "$root/lindle/tests/scanners/clexer.l" "$work/clexer.l"

echo "Building scanners; processor time, median of $repetitions runs in turns; instructions of the whole run"
compare "Unicode identifiers" "lindle=$lindle -\$ -W identifiers.l" "re2c=re2c -u -o identifiers.c identifiers.re"
compare "2,000 keywords" "lindle=$lindle -\$ keywords2000.l" "flex=flex -o keywords2000.c keywords2000.l"
compare "C lexer" "lindle=$lindle -\$ clexer.l" "flex=flex -o clexer.c clexer.l"

echo
echo "Growth in the number of keywords (lindle; flex where it builds the scanner)"
printf '%8s %8s %8s %12s %16s %12s\n' keywords states lindle 'us/state' 'ns/(n log2 n)' flex
previous_states=
previous_time=
growth=
for n in 250 500 1000 2000 8000 20000; do
  keywords "$n" "$work/k$n.l"
  read -r _ _ states _ < <("$build/bin/scanner_states" "$work/k$n.l")
  in_turns "lindle=$lindle -\$ k$n.l" "flex=flex -o k$n.c k$n.l"
  time=${median_cpu[lindle]}
  flex_time=${median_cpu[flex]}
  printf '%8d %8d %8s %12s %16s %12s\n' "$n" "$states" "$(ms "$time")" \
    "$(awk -v t="$time" -v s="$states" 'BEGIN { printf "%.2f", t / s }')" \
    "$(awk -v t="$time" -v s="$states" 'BEGIN { printf "%.1f", t * 1000 / (s * log(s) / log(2)) }')" \
    "$([ -n "$flex_time" ] && ms "$flex_time" || echo refused)"
  if [ -n "$previous_states" ]; then
    growth="$growth $(awk -v t1="$previous_time" -v t2="$time" -v s1="$previous_states" -v s2="$states" \
      'BEGIN { printf "%.2f", log(t2 / t1) / log(s2 / s1) }')"
  fi
  previous_states=$states
  previous_time=$time
done
echo "growth exponent of time in states between neighbouring sizes:$growth"
