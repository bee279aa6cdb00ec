#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time, starting from the seed inputs in fuzz/corpus/. A crash,
# an overrun, undefined behaviour, a leak or an input that takes longer than a second fails.
#   scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in number_text wolpex quendra barvilo; do
  mkdir -p "$work/$target" "$work/$target-found"
  cp "$root/fuzz/corpus/$target/"* "$work/$target/"
  if (cd "$work/$target-found" && "$build/${target}_fuzz" "$work/$target" \
        -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/found-$target-" \
        >"$work/$target.log" 2>&1); then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$')
    echo "fuzz $target: ${runs:-?} inputs in ${seconds} s, no failure"
  else
    status=1
    echo "fuzz $target: FAILED"
    tail -n 40 "$work/$target.log"
    ls "$build"/found-"$target"-* 2>/dev/null || true
  fi
done
exit $status
