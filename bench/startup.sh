#!/usr/bin/env bash
# The start-up benchmark: starts each program and the minimal GTK+ 2 window (one window,
# one button) in turn, pair by pair, on a private X server, and times each from exec to the
# map of its first top-level window, with its peak resident memory (VmHWM, read a moment
# after the map, when the first drawing is done).
#
#   bench/startup.sh [RUNS [BUILD_FOLDER]]     (defaults: 15 and build-bench)
#
# Prints per program the median start-up of the program and of the minimal window, the
# median of the ratios program/minimal of the pairs, and the median peak memory difference
# of the pairs. Within a pair the order alternates from run to run, so that neither side
# always starts on a cache warmed by the other. Then, from as many runs of startup_phases,
# the medians of the steps of each start (see startup_phases.cpp): where the time goes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
folder=${2:-$root/build-bench}
settle_ms=${SETTLE_MS:-250}

# Builds only what it runs: the programs present in the tree and the two helpers.
programs=()
for p in wolpex quendra barvilo; do
  [ -f "$root/$p/CMakeLists.txt" ] && programs+=("$p")
done
if [ ! -f "$folder/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$folder" -j 2 --target "${programs[@]}" minimal_window startup_probe startup_phases \
  >/dev/null
bin=$folder/bin

# The same surroundings for both sides: a fresh home folder (no user gtkrc), a fixed
# locale, no GTK modules (no accessibility bridge), the programs' own folder as working
# folder, since they load their pictures from there.
home=$(mktemp -d)
results=$(mktemp)
phases=$(mktemp)
trap 'rm -rf "$home" "$results" "$phases"' EXIT
cd "$bin"

measure() {
  local program
  # One start of each, not counted: brings libraries and pictures into the page cache.
  ./startup_probe "$settle_ms" ./minimal_window >/dev/null
  for program in "${programs[@]}"; do
    ./startup_probe "$settle_ms" "./$program" >/dev/null
  done
  for run in $(seq 1 "$runs"); do
    for program in "${programs[@]}"; do
      if [ $((run % 2)) -eq 1 ]; then
        mine=$(./startup_probe "$settle_ms" ./minimal_window)
        theirs=$(./startup_probe "$settle_ms" "./$program")
      else
        theirs=$(./startup_probe "$settle_ms" "./$program")
        mine=$(./startup_probe "$settle_ms" ./minimal_window)
      fi
      echo "$program $theirs $mine" >>"$results"
    done
  done
  # The steps: startup_phases prints them at its first drawing, before the probe's line.
  for run in $(seq 1 "$runs"); do
    for program in minimal "${programs[@]}"; do
      ./startup_probe 300 ./startup_phases "$program" | awk -v p="$program" 'NF == 6 { print p, $0 }' \
        >>"$phases"
    done
  done
}

echo "Start-up of ${programs[*]} beside the minimal GTK+ 2 window, $runs pairs each"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
export HOME=$home LANG=C.UTF-8 LC_ALL=
unset GTK_MODULES GTK2_RC_FILES
export -f measure
export bin settle_ms runs results phases
programs_list="${programs[*]}"
"$root/scripts/with-xvfb.sh" bash -c 'programs=($0); measure' "$programs_list"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# Medians: of each side's times, of the pair ratios, of the pair differences of peak memory.
awk '
function median(list,   n, values, i, j, t) {
  n = split(list, values, " ")
  for (i = 2; i <= n; i++) {           # insertion sort, a few dozen values
    t = values[i] + 0
    for (j = i - 1; j >= 1 && values[j] + 0 > t; j--) values[j + 1] = values[j]
    values[j + 1] = t
  }
  return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
{
  if (!($1 in seen)) { seen[$1] = 1; order[++count] = $1 }
  prog_ms[$1] = prog_ms[$1] " " $2;   prog_kib[$1] = prog_kib[$1] " " $3
  min_ms[$1] = min_ms[$1] " " $4;     min_kib[$1] = min_kib[$1] " " $5
  ratio[$1] = ratio[$1] " " ($2 / $4); diff[$1] = diff[$1] " " ($3 - $5)
}
END {
  printf "%-8s %10s %10s %8s %7s %12s %12s %9s %6s\n", "program", "start/ms", "minimal/ms",
         "ratio", "goal", "peak/MiB", "minimal/MiB", "diff/MiB", "goal"
  for (k = 1; k <= count; k++) {
    p = order[k]
    r = median(ratio[p]); d = median(diff[p]) / 1024
    printf "%-8s %10.1f %10.1f %8.3f %7s %12.2f %12.2f %9.2f %6s\n", p,
           median(prog_ms[p]), median(min_ms[p]), r, (r <= 1.15 ? "met" : "MISSED"),
           median(prog_kib[p]) / 1024, median(min_kib[p]) / 1024, d, (d <= 4 ? "met" : "MISSED")
  }
  print "goals: ratio <= 1.15 (median of the pairs), peak memory difference <= 4 MiB"
}' "$results"

echo
awk '
function median(list,   n, values, i, j, t) {
  n = split(list, values, " ")
  for (i = 2; i <= n; i++) {
    t = values[i] + 0
    for (j = i - 1; j >= 1 && values[j] + 0 > t; j--) values[j + 1] = values[j]
    values[j + 1] = t
  }
  return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
{
  if (!($1 in seen)) { seen[$1] = 1; order[++count] = $1 }
  runs[$1]++
  for (c = 2; c <= 7; c++) step[$1, c] = step[$1, c] " " $c
}
END {
  print "Where the time goes: medians of the steps of startup_phases, in ms"
  printf "%-8s %6s %8s %8s %8s %9s %8s %14s\n", "program", "runs", "exec", "gtk_init",
         "fonts", "pictures", "widgets", "first drawing"
  for (k = 1; k <= count; k++) {
    p = order[k]
    printf "%-8s %6d", p, runs[p]
    for (c = 2; c <= 7; c++) printf (c == 7 ? " %14.1f" : (c == 5 ? " %9.1f" : " %8.1f")), median(step[p, c])
    printf "\n"
  }
}' "$phases"
