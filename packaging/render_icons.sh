#!/bin/sh
# Renders the menu icons in icons/<size>/ from the programs' icon sources in images/src/.
# The PNGs are committed, the build does not render them (as with the pictures in images/).
# Needs rsvg-convert (Debian package librsvg2-bin). Run it again after an icon source changed.
set -e
cd "$(dirname "$0")"

for size in 16 32 48 64 128; do
    mkdir -p "icons/$size"
    for program in wolpex quendra barvilo; do
        rsvg-convert -w "$size" -h "$size" -o "icons/$size/$program.png" \
            "../images/src/$program.svg"
    done
done
echo "rendered $(ls icons/*/*.png | wc -l) icons"
