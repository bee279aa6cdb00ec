#!/usr/bin/env bash
# The response benchmarks: the cores alone, then each program's handlers in its real window
# on a private X server. Medians of 15 repetitions, interleaved at random.
#
#   bench/response.sh [BUILD_FOLDER] [Google Benchmark flags...]   (default: build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/build-bench}
shift || true
if [ ! -f "$folder/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=()
for p in wolpex quendra barvilo; do
  [ -f "$root/$p/CMakeLists.txt" ] && targets+=("${p}_core_bench" "${p}_response_bench")
done
cmake --build "$folder" -j 2 --target "${targets[@]}" >/dev/null

flags=(--benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
       --benchmark_report_aggregates_only=true "$@")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$folder/bin"
echo "$(nproc) cores, load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for target in "${targets[@]}"; do
  echo "== $target"
  HOME=$home LANG=C.UTF-8 LC_ALL= "$root/scripts/with-xvfb.sh" "./$target" "${flags[@]}" \
    2>/dev/null | grep -E '_median|^Benchmark|^---'
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
