#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts one program (wolpex, quendra or
# barvilo) in the folder that holds its pictures. Without a display it starts the program
# on a private X server instead and writes a screenshot to shots/<program>.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-wolpex}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DSUITE_TESTS=OFF -DSUITE_BENCHMARKS=OFF
cd "$root/build/bin"
if [ ! -x "./$program" ]; then
  echo "No such program: $program (wolpex, quendra, barvilo)" >&2
  exit 2
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "./$program"
fi

mkdir -p "$root/shots"
shot="$root/shots/$program.png"
"$root/scripts/with-xvfb.sh" bash -c '
  program=$1; shot=$2
  "./$program" &
  pid=$!
  # Wait for the main window, then for its first drawing.
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  import -window "${window:-root}" "$shot"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' run "$program" "$shot"
echo "No display here: $program ran on a private X server; screenshot in $shot"
