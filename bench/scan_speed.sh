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

programs=(lindle_fast lindle_compact flex_default flex_full re2c)
declare -A runs
for ((run = 0; run < repetitions; ++run)); do
  for program in "${programs[@]}"; do
    elapsed=$("$work/$program" <"$work/text.c" 2>"$work/$program.tokens")
    runs[$program]="${runs[$program]:-} $elapsed"
  done
done
tokens=$(cat "$work/flex_default.tokens")
for program in "${programs[@]}"; do
  if [ "$(cat "$work/$program.tokens")" != "$tokens" ]; then
    echo "$program counted $(cat "$work/$program.tokens"), flex $tokens" >&2
    exit 1
  fi
done

declare -A time instr
for program in "${programs[@]}"; do
  # shellcheck disable=SC2086
  time[$program]=$(median ${runs[$program]})
  (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/$program.cg" "./$program" <"$work/small.c") \
    >/dev/null 2>"$work/$program.cg.log"
  instr[$program]=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$program.cg.log")
done

echo "Scanning $size_mb MB of C-like text ($tokens); median of $repetitions runs in turns; instructions on a tenth"
printf '%-16s %12s %16s\n' scanner 'scan time' instructions
for program in "${programs[@]}"; do
  printf '%-16s %9s ms %16s\n' "$program" "$((time[$program] / 1000000))" "${instr[$program]}"
done
r() { echo "time $(ratio "${time[$1]}" "${time[$2]}"), instructions $(ratio "${instr[$1]}" "${instr[$2]}")"; }
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
  declare -A kind_runs=()
  for ((run = 0; run < repetitions; ++run)); do
    for program in lindle_fast flex_full; do
      elapsed=$("$work/$program" <"$work/$kind.c" 2>"$work/$program.$kind.tokens")
      kind_runs[$program]="${kind_runs[$program]:-} $elapsed"
    done
  done
  if [ "$(cat "$work/lindle_fast.$kind.tokens")" != "$(cat "$work/flex_full.$kind.tokens")" ]; then
    echo "lindle_fast counted $(cat "$work/lindle_fast.$kind.tokens") on $kind text, flex $(cat "$work/flex_full.$kind.tokens")" >&2
    exit 1
  fi
  declare -A kind_time=() kind_instr=()
  for program in lindle_fast flex_full; do
    # shellcheck disable=SC2086
    kind_time[$program]=$(median ${kind_runs[$program]})
    (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/$program.$kind.cg" "./$program" \
      <"$work/${kind}_small.c") >/dev/null 2>"$work/$program.$kind.cg.log"
    kind_instr[$program]=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$program.$kind.cg.log")
  done
  echo "lindle fast / flex -Cf -8 on $kind_mb MB of $kind tokens ($(cat "$work/flex_full.$kind.tokens")):" \
    "time $(ratio "${kind_time[lindle_fast]}" "${kind_time[flex_full]}")," \
    "instructions $(ratio "${kind_instr[lindle_fast]}" "${kind_instr[flex_full]}")"
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
