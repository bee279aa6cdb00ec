#!/usr/bin/env bash
# Checks the suite as it is installed: check_install.sh tree|package BUILD SOURCE PROGRAM...
#
#   tree     installs the build folder into a staging folder (cmake --install) and checks it
#   package  makes the Debian package (cpack -G DEB), checks its control data and file list
#            (dpkg-deb -I, -c), unpacks it and checks the unpacked tree the same way
#
# A tree holds exactly the launchers, the programs, every picture of images/, the desktop
# entries (valid for desktop-file-validate, without even a hint) and the icons at each size.
# With a display (ctest under scripts/with-xvfb.sh) each launcher is started from an
# unrelated folder: the program must run in the data folder and show its window icon, a
# picture it loads by bare name. Nothing is installed into the system.
set -euo pipefail

mode=$1
build=$(cd "$2" && pwd)
source=$(cd "$3" && pwd)
shift 3
programs=("$@")
data_name=machine-design-calculators
sizes=(16 32 48 64 128)

work=$(mktemp -d)
started=""
cleanup() {
    if [ -n "$started" ]; then kill "$started" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected_files() {
    local p s picture
    for p in "${programs[@]}"; do
        echo "bin/$p"
        echo "libexec/$data_name/$p"
        echo "share/applications/$p.desktop"
        for s in "${sizes[@]}"; do
            echo "share/icons/hicolor/${s}x${s}/apps/$p.png"
        done
    done
    for picture in "$source"/images/*.png; do
        echo "share/$data_name/$(basename "$picture")"
    done
}

desktop_value() { # desktop_value FILE KEY
    sed -n "s/^$2=//p" "$1"
}

# Starts a launcher from an unrelated folder and checks where the program runs and that it
# shows its window icon.
check_start() {
    local root=$1 p=$2
    local elsewhere="$work/elsewhere" log="$work/$p.log" window="" pid
    mkdir -p "$elsewhere" "$work/home"
    (cd "$elsewhere" && HOME="$work/home" exec "$root/bin/$p" >"$log" 2>&1) &
    pid=$!
    started=$pid
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        fail "$p: no window after starting $root/bin/$p: $(cat "$log")"
    else
        [ "$(readlink -f "/proc/$pid/exe")" = "$(readlink -f "$root/libexec/$data_name/$p")" ] ||
            fail "$p: the launcher did not start the installed program"
        [ "$(readlink -f "/proc/$pid/cwd")" = "$(readlink -f "$root/share/$data_name")" ] ||
            fail "$p: runs in $(readlink -f "/proc/$pid/cwd"), not in the data folder"
        xprop -id "$window" _NET_WM_ICON | grep -q '_NET_WM_ICON(CARDINAL) =' ||
            fail "$p: the window has no icon: its picture was not found"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    started=""
    if grep -E 'WARNING|CRITICAL' "$log" >/dev/null; then
        fail "$p: warnings at start: $(cat "$log")"
    fi
}

# check_tree ROOT: ROOT is the installation prefix (the staging folder, or usr/ of the
# unpacked package).
check_tree() {
    local root=$1 p s picture entry icon
    if ! diff <(expected_files | sort) <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) \
        >"$work/files.diff"; then
        fail "installed files differ from the expected ones (< missing, > unexpected):"
        cat "$work/files.diff" >&2
    fi
    for p in "${programs[@]}"; do
        [ -x "$root/bin/$p" ] && [ "$(head -c 2 "$root/bin/$p")" = "#!" ] ||
            fail "$p: bin/$p is not an executable launcher script"
        [ -x "$root/libexec/$data_name/$p" ] &&
            [ "$(head -c 4 "$root/libexec/$data_name/$p" | tail -c 3)" = "ELF" ] ||
            fail "$p: libexec/$data_name/$p is not an executable program"

        entry="$root/share/applications/$p.desktop"
        if [ -f "$entry" ]; then
            local report
            report=$(desktop-file-validate "$entry" 2>&1) || true
            [ -z "$report" ] || fail "$p.desktop: $report"
            [ "$(desktop_value "$entry" Exec)" = "$p" ] || fail "$p.desktop: Exec is not $p"
            [ "$(desktop_value "$entry" Icon)" = "$p" ] || fail "$p.desktop: Icon is not $p"
            for key in Name GenericName Comment Categories; do
                [ -n "$(desktop_value "$entry" "$key")" ] || fail "$p.desktop: no $key"
            done
        fi
        for s in "${sizes[@]}"; do
            icon="$root/share/icons/hicolor/${s}x${s}/apps/$p.png"
            [ -f "$icon" ] || continue
            [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${s}x${s}" ] ||
                fail "$p: icon $icon is not a ${s}x${s} PNG"
        done
    done
    for picture in "$source"/images/*.png; do
        cmp -s "$picture" "$root/share/$data_name/$(basename "$picture")" ||
            fail "picture $(basename "$picture") differs from images/ or is missing"
    done
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        for p in "${programs[@]}"; do
            check_start "$root" "$p"
        done
    else
        echo "No display: the launchers were not started (run under scripts/with-xvfb.sh)"
    fi
}

case "$mode" in
tree)
    cmake --install "$build" --prefix "$work/stage" >"$work/install.log" ||
        { cat "$work/install.log" >&2; exit 1; }
    check_tree "$work/stage"
    ;;
package)
    (cd "$build" && cpack --config CPackConfig.cmake -G DEB -B "$work/package") \
        >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
    debs=("$work"/package/*.deb)
    [ ${#debs[@]} -eq 1 ] || { echo "FAIL: cpack made ${#debs[@]} packages" >&2; exit 1; }
    deb=${debs[0]}
    dpkg-deb -I "$deb"
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = "$data_name" ] || fail "package name $(field Package)"
    grep -Eq '(^|, )libgtk2\.0-0( |,|$)' <<<"$(field Depends)" ||
        fail "libgtk2.0-0 is not among the dependencies: $(field Depends)"
    grep -Eq '(^|, )fonts-liberation( |,|$)' <<<"$(field Recommends)" ||
        fail "fonts-liberation is not recommended"
    grep -Eq '<[^>]+@example\.org>$' <<<"$(field Maintainer)" ||
        fail "maintainer without an address under example.org: $(field Maintainer)"
    [ -n "$(field Description)" ] || fail "no description"
    # Every entry lies under /usr and belongs to root.
    dpkg-deb -c "$deb" >"$work/contents"
    awk '$2 != "root/root" || $6 !~ /^\.\/usr\// && $6 != "./" && $6 != "./usr/"' \
        "$work/contents" >"$work/strays"
    [ ! -s "$work/strays" ] || { fail "entries not under /usr or not root's:"; cat "$work/strays" >&2; }
    dpkg-deb -x "$deb" "$work/unpacked"
    check_tree "$work/unpacked/usr"
    ;;
*)
    echo "usage: $0 tree|package BUILD SOURCE PROGRAM..." >&2
    exit 2
    ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the installed $mode holds ${programs[*]} as expected"
