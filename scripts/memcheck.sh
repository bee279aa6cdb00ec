#!/usr/bin/env bash
# Runs GUI test programs under valgrind's memcheck: any memory error, or any definite leak
# that tests/valgrind.supp does not explain as a library's one-time allocation, fails.
#   scripts/memcheck.sh BUILD_FOLDER [test program ...]
# Run it on an X display (scripts/with-xvfb.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(wolpex_handlers_test quendra_handlers_test barvilo_form_test)

cd "$build/bin"
status=0
for program in "${programs[@]}"; do
  log=$(mktemp)
  if valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
       --errors-for-leak-kinds=definite --suppressions="$root/tests/valgrind.supp" \
       --num-callers=40 "./$program" >"$log" 2>&1; then
    lost=$(grep -o 'definitely lost: [0-9,]* bytes in [0-9,]* blocks' "$log" || echo "definitely lost: 0 bytes")
    echo "memcheck $program: no errors, $lost"
  else
    status=1
    echo "memcheck $program: FAILED"
    grep -E '^==[0-9]+== ' "$log" | tail -n 80
  fi
  rm -f "$log"
done
exit $status
