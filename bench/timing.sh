# The set-up and timing helpers shared by the benchmark scripts. A script
# sources it first, then sets itself up with locate_build, require,
# require_commands or installed_peers, and make_work; the timing helpers
# read $work (the directory the tools run in) and $repetitions.

# best_of NAME COMMAND...: runs COMMAND in $work, leaves the fastest wall time
# in nanoseconds in $best. A failing run ends the benchmark, since its time
# would say nothing; noise only ever adds time, so the best run counts.
best_of() {
  local name=$1
  shift
  best=
  local run start end elapsed
  for ((run = 0; run < repetitions; ++run)); do
    start=$(date +%s%N)
    if ! (cd "$work" && "$@") >"$work/$name.out" 2>&1; then
      echo "$name failed:" >&2
      head -n 20 "$work/$name.out" >&2
      exit 1
    fi
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then
      best=$elapsed
    fi
  done
}

# seconds NANOSECONDS: prints the time as seconds to the tenth of a millisecond.
seconds() {
  printf '%d.%04d s' $(($1 / 1000000000)) $(($1 / 100000 % 10000))
}

# ratio A B: prints A/B rounded to four decimals.
ratio() {
  local parts=$(((20000 * $1 / $2 + 1) / 2))
  printf '%d.%04d' $((parts / 10000)) $((parts % 10000))
}

# median NUMBER...: prints the median of the numbers (the lower middle one
# of an even count). On a shared machine a run can also come out fast by
# luck of the caches, so scripts that alternate programs take the median.
median() {
  printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

# instructions NAME COMMAND...: runs COMMAND in $work under callgrind,
# counting only inside yyparse, and leaves the instructions of yyparse with
# everything it calls in $parse_instructions, and those of yylex within it
# in $lexer_instructions: the instructions of the parser alone are their
# difference. Instruction counts do not depend on the machine's load.
instructions() {
  local name=$1
  shift
  if ! (cd "$work" && valgrind --tool=callgrind --toggle-collect=yyparse --callgrind-out-file="$work/$name.cg" \
    "$@") >"$work/$name.cg.log" 2>&1; then
    echo "$name failed under callgrind:" >&2
    tail -n 20 "$work/$name.cg.log" >&2
    exit 1
  fi
  parse_instructions=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$name.cg.log")
  lexer_instructions=$(callgrind_annotate --inclusive=yes "$work/$name.cg" 2>/dev/null |
    sed -n 's/^ *\([0-9,]*\) .*[:?]yylex .*/\1/p' | head -n 1 | tr -d ,)
  lexer_instructions=${lexer_instructions:-0}
}

# locate_build ROOT [DIR]: the build directory the benchmark takes its tools
# from (DIR, absolute or below ROOT; by default ROOT/build), as an absolute
# path in $build.
locate_build() {
  build=${2:-$1/build}
  if [ -d "$build" ]; then
    build=$(cd "$build" && pwd)
  elif [ -d "$1/$build" ]; then
    build=$(cd "$1/$build" && pwd)
  fi
}

# require FILE...: ends the benchmark unless every file is there; nothing
# is built for it.
require() {
  local file
  for file in "$@"; do
    if [ ! -e "$file" ]; then
      echo "missing $file: build it first (tools/build.sh $build)" >&2
      exit 2
    fi
  done
}

# require_commands COMMAND...: ends the benchmark unless every command is
# installed: a peer it compares against, or a tool it measures with.
require_commands() {
  local command
  for command in "$@"; do
    if ! command -v "$command" >/dev/null; then
      echo "$command is not installed" >&2
      exit 2
    fi
  done
}

# installed_peers COMMAND...: the peers the benchmark compares against that
# are installed, in $peers; each other one is named as skipped.
installed_peers() {
  local peer
  peers=()
  for peer in "$@"; do
    if command -v "$peer" >/dev/null; then
      peers+=("$peer")
    else
      printf '%-9s not installed, skipped\n' "$peer"
    fi
  done
}

# make_work: $work, a new temporary directory, removed when the benchmark
# ends however it ends.
make_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}

# brannock_variants GRAMMAR PREFIX: PREFIX_fast.c and PREFIX_compact.c (-s)
# written from GRAMMAR in $work by $brannock; a failing run ends the
# benchmark with brannock's messages.
brannock_variants() {
  local variant name switches
  for variant in fast: compact:-s; do
    name=$2_${variant%%:*}
    switches=${variant#*:}
    # shellcheck disable=SC2086
    if ! (cd "$work" && "$brannock" -\$ "$1" -o "$name.c" $switches) >"$work/$name.log" 2>&1; then
      cat "$work/$name.log" >&2
      exit 1
    fi
  done
}

# time_in_turns STREAM NAME...: the median of $repetitions parses of STREAM
# by each program $work/NAME, in nanoseconds as the program measures them
# around its parse, in median_time[NAME]. The programs take turns, so that
# a machine getting busier or quieter treats them alike.
declare -A median_time
time_in_turns() {
  local stream=$1 name run elapsed
  shift
  local -A runs=()
  for ((run = 0; run < repetitions; ++run)); do
    for name in "$@"; do
      if ! elapsed=$("$work/$name" "$stream"); then
        echo "$name failed to parse $stream" >&2
        exit 1
      fi
      runs[$name]="${runs[$name]:-} $elapsed"
    done
  done
  for name in "$@"; do
    # shellcheck disable=SC2086
    median_time[$name]=$(median ${runs[$name]})
  done
}
