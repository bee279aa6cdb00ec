#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs every test: the unit, GUI and
# end-to-end tests of a warning-free build, then the unit and GUI tests again in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer, then the GUI tests in a German
# locale. Each run uses a private X server and a private home folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

run_tests() {
  local folder=$1
  shift
  local home
  home=$(mktemp -d)
  mkdir -p "$home/.local/share"
  (cd "$folder" && HOME="$home" LANG=C.UTF-8 LC_ALL= "$root/scripts/with-xvfb.sh" \
    ctest --output-on-failure --timeout 300 "$@")
  rm -rf "$home"
}

echo "== Build (warnings are errors)"
scripts/build.sh build-test -DSUITE_WERROR=ON
echo "== Unit, GUI and end-to-end tests"
run_tests build-test

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON
echo "== Unit and GUI tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan -L 'unit|gui'

echo "== GUI and unit tests in a German locale"
home=$(mktemp -d)
mkdir -p "$home/.local/share"
(cd build-test && HOME="$home" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$root/scripts/with-xvfb.sh" \
  ctest --output-on-failure --timeout 300 -L 'unit|gui')
rm -rf "$home"
