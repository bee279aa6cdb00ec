#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) of its own, 1280x1024 at 24 bits, and stops
# the server afterwards. The server picks a free display, so runs never race for one.
set -euo pipefail

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" \
  >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT

for _ in $(seq 1 100); do
  [ -s "$display_file" ] && break
  sleep 0.05
done
if [ ! -s "$display_file" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$display_file")"
"$@"
