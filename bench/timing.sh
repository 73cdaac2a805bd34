# Timing helpers shared by the benchmark scripts; source it after setting
# $work (the directory the tools run in) and $repetitions.

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
