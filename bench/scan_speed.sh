#!/usr/bin/env bash
# Scanning speed of the same C lexer (scan_speed/clexer.l) built by lindle
# (fast and compact tables), by flex (-Cem, its default, and -Cf -8) and
# by re2c (scan_speed/clexer.re, the same rules), on SIZE_MB (100) of
# generated C-like text held in memory, counting tokens only. Times are
# processor time of the scan as each program measures it, the median of
# REPETITIONS (3) runs in turns; instructions are callgrind's for a whole
# run on a tenth of the text. Then lindle's fast tables against flex -Cf -8
# on text of long tokens and of one-character tokens, which separate the
# cost of a character from that of a token. Also the time each tool takes
# to generate the lexer.
#
#   bench/scan_speed.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${REPETITIONS:-3}
size_mb=${SIZE_MB:-100}
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
make_work
locate_build "$root" "${1:-}"
lindle=$build/bin/lindle
require "$lindle" "$build/bin/c_like_text" "$build/bin/processor_time" "$build/lib/libyl.a"
require_commands flex re2c valgrind cc

speed=$root/bench/scan_speed
"$build/bin/c_like_text" "$size_mb" >"$work/text.c"
"$build/bin/c_like_text" $(( (size_mb + 9) / 10 )) >"$work/small.c"

compile() { # compile NAME SOURCE...
  local name=$1
  shift
  cc -O2 -w -I"$speed" -I"$root/runtime/lexer" -I"$root/runtime/common" -o "$work/$name" "$@"
}
(cd "$work" && "$lindle" -\$ "$speed/clexer.l" -o lindle_fast.c && "$lindle" -\$ -s "$speed/clexer.l" -o lindle_compact.c) \
  >"$work/lindle.log" || { cat "$work/lindle.log" >&2; exit 1; }
compile lindle_fast "$work/lindle_fast.c" "$build/lib/libyl.a"
compile lindle_compact "$work/lindle_compact.c" "$build/lib/libyl.a"
(cd "$work" && flex -o flex_default.c "$speed/clexer.l" && flex -Cf -8 -o flex_full.c "$speed/clexer.l")
compile flex_default "$work/flex_default.c"
compile flex_full "$work/flex_full.c"
(cd "$work" && re2c -o re2c.c "$speed/clexer.re")
compile re2c "$work/re2c.c"

# scan_in_turns TEXT SMALL REFERENCE PROGRAM...: each program scans
# $work/TEXT $repetitions times, the programs taking turns; the median time
# of each goes to time[PROGRAM], and the instructions of a whole run on
# $work/SMALL to instr[PROGRAM]. Every program must count the tokens that
# REFERENCE (one of them) counts, which are left in $tokens.
declare -A time instr
scan_in_turns() {
  local text=$1 small=$2 reference=$3 program run elapsed
  shift 3
  local -A runs=()
  for ((run = 0; run < repetitions; ++run)); do
    for program in "$@"; do
      elapsed=$("$work/$program" <"$work/$text" 2>"$work/$program.tokens")
      runs[$program]="${runs[$program]:-} $elapsed"
    done
  done
  tokens=$(cat "$work/$reference.tokens")
  for program in "$@"; do
    if [ "$(cat "$work/$program.tokens")" != "$tokens" ]; then
      echo "$program counted $(cat "$work/$program.tokens") on $text, $reference $tokens" >&2
      exit 1
    fi
    # shellcheck disable=SC2086
    time[$program]=$(median ${runs[$program]})
    (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/$program.cg" "./$program" <"$work/$small") \
      >/dev/null 2>"$work/$program.cg.log"
    instr[$program]=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$program.cg.log")
  done
}
r() { echo "time $(ratio "${time[$1]}" "${time[$2]}"), instructions $(ratio "${instr[$1]}" "${instr[$2]}")"; }

programs=(lindle_fast lindle_compact flex_default flex_full re2c)
scan_in_turns text.c small.c flex_default "${programs[@]}"
echo "Scanning $size_mb MB of C-like text ($tokens); median of $repetitions runs in turns; instructions on a tenth"
printf '%-16s %12s %16s\n' scanner 'scan time' instructions
for program in "${programs[@]}"; do
  printf '%-16s %9s ms %16s\n' "$program" "$((time[$program] / 1000000))" "${instr[$program]}"
done
echo "lindle fast / flex -Cf -8:      $(r lindle_fast flex_full)"
echo "lindle fast / flex default:     $(r lindle_fast flex_default)"
echo "lindle compact / flex default:  $(r lindle_compact flex_default)"
echo "lindle fast / re2c:             $(r lindle_fast re2c)"

# Where the cost lies: the same scanners on text that is nearly all
# characters (identifiers of 200 characters) and on text that is nearly all
# tokens (one-character operators), a fifth of the size each.
kind_mb=$(( (size_mb + 4) / 5 ))
for kind in long short; do
  "$build/bin/c_like_text" "$kind_mb" "$kind" >"$work/$kind.c"
  "$build/bin/c_like_text" $(( (kind_mb + 9) / 10 )) "$kind" >"$work/${kind}_small.c"
  scan_in_turns "$kind.c" "${kind}_small.c" flex_full lindle_fast flex_full
  echo "lindle fast / flex -Cf -8 on $kind_mb MB of $kind tokens ($tokens): $(r lindle_fast flex_full)"
done

# Generating the lexer.
declare -A generation
for ((run = 0; run < 5; ++run)); do
  for tool in lindle flex; do
    if [ $tool = lindle ]; then
      (cd "$work" && "$build/bin/processor_time" "$lindle" -\$ "$speed/clexer.l" -o gen.c) >/dev/null 2>"$work/gen.time"
    else
      (cd "$work" && "$build/bin/processor_time" flex -o gen.c "$speed/clexer.l") >/dev/null 2>"$work/gen.time"
    fi
    generation[$tool]="${generation[$tool]:-} $(tail -n 1 "$work/gen.time")"
  done
done
# shellcheck disable=SC2086
lindle_gen=$(median ${generation[lindle]})
# shellcheck disable=SC2086
flex_gen=$(median ${generation[flex]})
echo "Generating the lexer: lindle $lindle_gen us, flex $flex_gen us, ratio $(ratio "$lindle_gen" "$flex_gen")"
