#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs every test:
#   1. the unit, GUI (with the soak runs) and end-to-end tests (with the fault cases) of a
#      warning-free build;
#   2. the benchmarks, once each with short runs (figures are shown, not checked; the
#      figures of record are in bench/README.md);
#   3. the unit and GUI tests in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. GUI test programs under valgrind's memcheck;
#   5. each fuzz target for a bounded time (FUZZ_SECONDS, default 30);
#   6. the unit and GUI tests again in the German locale de_DE.UTF-8.
# Each run uses a private X server and a private home folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

# run_tests FOLDER LANGUAGE [ctest options...]
run_tests() {
  local folder=$1 language=$2
  shift 2
  local home
  home=$(mktemp -d)
  mkdir -p "$home/.local/share"
  (cd "$folder" && HOME="$home" LANG="$language" LC_ALL="$language" \
    "$root/scripts/with-xvfb.sh" ctest --output-on-failure --timeout 300 "$@")
  rm -rf "$home"
}

echo "== Build (warnings are errors)"
scripts/build.sh build-test -DSUITE_WERROR=ON
echo "== Unit, GUI and end-to-end tests"
run_tests build-test C.UTF-8

echo "== Benchmarks, short runs"
build-test/bin/wolpex_chain_bench --benchmark_min_time=0.05
bench/response.sh "$root/build-test" --benchmark_repetitions=3 --benchmark_min_time=0.02

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON -DSUITE_BENCHMARKS=OFF
echo "== Unit and GUI tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan C.UTF-8 \
  -L 'unit|gui'

echo "== GUI tests under valgrind's memcheck"
home=$(mktemp -d)
mkdir -p "$home/.local/share"
HOME="$home" LANG=C.UTF-8 scripts/with-xvfb.sh scripts/memcheck.sh "$root/build-test"
rm -rf "$home"

echo "== Fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-30}"

echo "== Unit and GUI tests in the German locale"
run_tests build-test de_DE.UTF-8 -L 'unit|gui'
