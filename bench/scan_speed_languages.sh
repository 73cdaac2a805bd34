#!/usr/bin/env bash
# Scanning speed of the benchmark's C lexer (scan_speed/clexer.l) built by
# lindle as C, as C++ and as Java, fast and compact, and written for JFlex
# (scan_speed/CLexer.jflex, the same rules), on SIZE_MB (100) of generated
# C-like text held in memory, counting tokens only. Times are the processor
# time of the scan as each program measures it, the median of REPETITIONS
# (3) runs in turns; a Java program scans the text twice in one run and
# times the second scan, which the JIT has compiled. On a loaded machine
# the times of C and C++ spread widely, so their instructions (callgrind,
# a whole run on a tenth of the text) are compared too.
#
#   bench/scan_speed_languages.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${REPETITIONS:-3}
size_mb=${SIZE_MB:-100}
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
make_work
locate_build "$root" "${1:-}"
lindle=$build/bin/lindle
require "$lindle" "$build/bin/c_like_text" "$build/lib/libyl.a" "$build/lib/yl.jar"
require_commands cc c++ javac java jflex valgrind

speed=$root/bench/scan_speed
"$build/bin/c_like_text" "$size_mb" >"$work/text.c"
"$build/bin/c_like_text" $(( (size_mb + 9) / 10 )) >"$work/small.c"
includes=(-I"$speed" -I"$root/runtime/lexer" -I"$root/runtime/common" -I"$root/runtime/parser")

# The C++ lexer: the same source with a name, and the driver after the
# class, scanning with an object of it.
sed -e 's|#include "scan_driver.h"||' -e 's|^%}$|%}\n%name clexer|' \
  -e 's|^int yywrap(void) { return 1; }$|#define SCAN_OBJECT clexer lexer;\n#define SCAN_INPUT lexer.yyin\n#define SCAN_NEXT() lexer.yylex()\n#include "scan_driver.h"|' \
  "$speed/clexer.l" >"$work/clexer_cpp.l"
# The Java lexer: actions that return stand under %return, the others
# under %break, BEGIN is yybegin, and main hands the scanner to the driver.
awk '
  /^%{/ { code = 1; next }
  /^%}/ { code = 0; print "%name CLexer"; next }
  code { next }
  /^%%/ { sections++; print; if (sections == 2) exit; next }
  sections == 1 && NF > 0 {
    print (/return/ ? "%return" : "%break")
    gsub(/BEGIN INITIAL/, "yybegin(INITIAL)"); gsub(/BEGIN COMMENT/, "yybegin(COMMENT)")
  }
  { print }
' "$speed/clexer.l" >"$work/CLexer.l"
cat >>"$work/CLexer.l" <<'JAVA'
	public static void main(String[] args) throws java.io.IOException {
		ScanTiming.run(in -> {
			CLexer lexer = new CLexer();
			lexer.yysetinput(in);
			return lexer::yylex;
		}, 0);
	}
}
JAVA

for form in fast compact; do
  switches=()
  [ $form = compact ] && switches=(-s)
  (cd "$work" && "$lindle" -\$ "${switches[@]}" "$speed/clexer.l" -o "c_$form.c" &&
    "$lindle" -\$ -Tcpp "${switches[@]}" clexer_cpp.l -o "cpp_$form.cpp" &&
    mkdir -p "java_$form" && "$lindle" -\$ -Tj "${switches[@]}" CLexer.l -o "java_$form/CLexer.java") \
    >"$work/lindle.log" || { cat "$work/lindle.log" >&2; exit 1; }
  cc -O2 -w "${includes[@]}" -o "$work/c_$form" "$work/c_$form.c" "$build/lib/libyl.a"
  c++ -O2 -w "${includes[@]}" -o "$work/cpp_$form" "$work/cpp_$form.cpp" "$build/lib/libyl.a"
  javac -nowarn -cp "$build/lib/yl.jar" -d "$work/java_$form" "$work/java_$form/CLexer.java" "$speed/ScanTiming.java"
done
mkdir -p "$work/jflex"
jflex -q -d "$work/jflex" "$speed/CLexer.jflex"
javac -nowarn -d "$work/jflex" "$work/jflex/JFlexLexer.java" "$speed/ScanTiming.java"

declare -A commands=(
  [c_fast]="$work/c_fast" [c_compact]="$work/c_compact"
  [cpp_fast]="$work/cpp_fast" [cpp_compact]="$work/cpp_compact"
  [java_fast]="java -cp $build/lib/yl.jar:$work/java_fast CLexer"
  [java_compact]="java -cp $build/lib/yl.jar:$work/java_compact CLexer"
  [jflex]="java -cp $work/jflex JFlexLexer"
)
programs=(c_fast cpp_fast c_compact cpp_compact java_fast java_compact jflex)
declare -A runs
for ((run = 0; run < repetitions; ++run)); do
  for program in "${programs[@]}"; do
    # shellcheck disable=SC2086
    elapsed=$(${commands[$program]} <"$work/text.c" 2>"$work/$program.tokens")
    runs[$program]="${runs[$program]:-} $elapsed"
  done
done
tokens=$(cat "$work/c_fast.tokens")
for program in "${programs[@]}"; do
  if [ "$(cat "$work/$program.tokens")" != "$tokens" ]; then
    echo "$program counted $(cat "$work/$program.tokens"), C $tokens" >&2
    exit 1
  fi
done

declare -A time
echo "Scanning $size_mb MB of C-like text ($tokens); median of $repetitions runs in turns"
printf '%-14s %12s\n' scanner 'scan time'
for program in "${programs[@]}"; do
  # shellcheck disable=SC2086
  time[$program]=$(median ${runs[$program]})
  printf '%-14s %9s ms\n' "$program" "$((time[$program] / 1000000))"
done
echo "C++ fast / C fast:           $(ratio "${time[cpp_fast]}" "${time[c_fast]}")"
echo "C++ compact / C compact:     $(ratio "${time[cpp_compact]}" "${time[c_compact]}")"
echo "Java fast / JFlex:           $(ratio "${time[java_fast]}" "${time[jflex]}")"
echo "Java compact / JFlex:        $(ratio "${time[java_compact]}" "${time[jflex]}")"

declare -A instr
for program in c_fast cpp_fast c_compact cpp_compact; do
  (cd "$work" && valgrind --tool=callgrind --callgrind-out-file="$work/$program.cg" "./$program" <"$work/small.c") \
    >/dev/null 2>"$work/$program.cg.log"
  instr[$program]=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$program.cg.log")
done
echo "Instructions, C++ fast / C fast:        $(ratio "${instr[cpp_fast]}" "${instr[c_fast]}")"
echo "Instructions, C++ compact / C compact:  $(ratio "${instr[cpp_compact]}" "${instr[c_compact]}")"
