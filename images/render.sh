#!/bin/sh
# Renders every PNG in images/ from the SVG sources in images/src/.
# Needs rsvg-convert (Debian package librsvg2-bin).
# The SVGs themselves are written by src/gen_svg.py; run that first
# (python3 src/gen_svg.py) after changing shapes or colours.
set -e
cd "$(dirname "$0")"

r() { # r NAME WIDTH HEIGHT
    rsvg-convert -w "$2" -h "$3" -o "$1.png" "src/$1.svg"
}

for p in wolpex quendra barvilo; do
    r "$p" 48 48
    for b in rechnen speichern info ende; do
        r "${p}_$b" 24 24
    done
done
r wolpex_zeichnen 24 24
r quendra_zeichnen 24 24
for n in 1 2 3 4; do
    r "Knickfall$n" 140 200
done
echo "rendered $(ls *.png | wc -l) PNG files"
