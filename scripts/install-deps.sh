#!/usr/bin/env bash
# Installs the Debian 12 packages the suite needs to build, run and be tested, and makes
# the German locale that the locale tests use. Installs only what is missing.
set -euo pipefail

packages=(
  # building
  build-essential cmake pkg-config libgtk2.0-dev
  # the tests and benchmarks
  googletest libgtest-dev libbenchmark-dev liblapack-dev
  # a display without a screen, screenshots, a font metric-compatible with Arial
  xvfb xauth x11-utils xdotool imagemagick fonts-liberation
  # the end-to-end runs: the programs driven through the accessibility bus
  dbus at-spi2-core libatk-adaptor libgail-common python3 python3-pyatspi python3-xlib
  # the locale runs
  locales
  # the reliability runs: fuzz targets (clang's libFuzzer) and memcheck
  clang libclang-rt-14-dev valgrind
  # the install tests: desktop entries checked with desktop-file-validate
  desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
