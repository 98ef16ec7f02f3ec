#!/bin/bash
# Checks the desktop integration that an install put under PREFIX: the desktop
# entries and their icons, the AppStream metainfo, and the MIME types, each
# sample file resolving to its type. Prints "ok ..." per check and stops with
# status 1 at the first failure, saying what failed.
#
# Usage: desktop/check.sh PREFIX
#
# Needs the Debian packages desktop-file-utils, appstream, shared-mime-info,
# xdg-utils and libglib2.0-bin. xdg-mime is asked as on a GNOME desktop so that
# it resolves types with GIO (gio, from libglib2.0-bin), which follows the
# shared-mime-info rules; its generic way uses mimetype(1), which ignores glob
# weights and lets the system's *.xwd image type win, or file(1), which ignores
# the database altogether.
set -euo pipefail

fail() {
    echo "FAIL $*" >&2
    exit 1
}
ok() { echo "ok $*"; }

[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
share=$1/share
here=$(cd "$(dirname "$0")" && pwd)
for tool in desktop-file-validate appstreamcli update-mime-database xdg-mime gio; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing: install desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin"
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for file in applications/wordlatch.desktop applications/tobbin-hangman.desktop \
            metainfo/org.wordpuzzles.wordlatch.metainfo.xml \
            metainfo/org.wordpuzzles.tobbin_hangman.metainfo.xml mime/packages/wordlatch-mime.xml; do
    [ -f "$share/$file" ] || fail "$share/$file is not installed"
done

# The validator reports some errors and all warnings with status 0; hints pass.
for entry in "$share"/applications/*.desktop; do
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $entry:"$'\n'"$report"
    case $report in
    *": error: "* | *": warning: "*) fail "desktop-file-validate $entry:"$'\n'"$report" ;;
    ?*) echo "$report" >&2 ;;
    esac
    ok "desktop-file-validate $(basename "$entry")"
done

# Each entry's icon in every size, each PNG as large as its folder says.
png_size() {
    od -An -tu1 -N24 "$1" | tr -s ' \n' '  ' |
        awk '$1 == 137 && $2 == 80 && $3 == 78 && $4 == 71 {
                 print ($17 * 16777216 + $18 * 65536 + $19 * 256 + $20) "x" \
                       ($21 * 16777216 + $22 * 65536 + $23 * 256 + $24) }'
}
for entry in "$share"/applications/*.desktop; do
    icon=$(sed -n 's/^Icon=//p' "$entry")
    svg=$share/icons/hicolor/scalable/apps/$icon.svg
    [ -s "$svg" ] || fail "$(basename "$entry"): no icon $svg"
    for size in 16 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x$size/apps/$icon.png
        [ -f "$png" ] || fail "$(basename "$entry"): no icon $png"
        got=$(png_size "$png")
        [ -n "$got" ] || fail "$png is not a PNG"
        [ "$got" = "${size}x$size" ] || fail "$png is $got, not ${size}x$size"
    done
    ok "icon $icon: scalable and 16 to 256 px"
done

# Warnings fail here too (status 3), infos pass.
for info in "$share"/metainfo/*.xml; do
    report=$(appstreamcli validate --no-net "$info" 2>&1) ||
        fail "appstreamcli validate --no-net $info:"$'\n'"$report"
    ok "appstreamcli validate $(basename "$info")"
done
report=$(appstreamcli validate-tree --no-net "$1" 2>&1) ||
    fail "appstreamcli validate-tree --no-net $1:"$'\n'"$report"
ok "appstreamcli validate-tree: every launchable is installed"

# The MIME database built from the installed package files alone, searched
# before the system's as an installed one would be.
mkdir -p "$scratch/mime/packages"
cp "$share"/mime/packages/*.xml "$scratch/mime/packages/"
export XDG_DATA_HOME=$scratch XDG_DATA_DIRS=$scratch:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
report=$(update-mime-database "$scratch/mime" 2>&1) || fail "update-mime-database:"$'\n'"$report"
[ -z "$report" ] || fail "update-mime-database:"$'\n'"$report"
ok "update-mime-database"
for entry in "$share"/applications/*.desktop; do
    for type in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
        grep -qx "$type" "$scratch/mime/types" || fail "$(basename "$entry"): $type is not in the MIME package"
    done
done
ok "every MimeType of the entries is defined"
grep -qx 'application/x-ipuz application/json' "$scratch/mime/subclasses" ||
    fail "application/x-ipuz is not a sub-class of application/json"
ok "application/x-ipuz is a sub-class of application/json"

samples=$scratch/samples
mkdir "$samples"
# A 15x15 puzzle file: its grid size, then zeros to the fixed length.
{ printf '\017\000'; head -c 14154 /dev/zero; } >"$samples/grid.xwd"
cp "$samples/grid.xwd" "$samples/GRID.XWD"
puz=$here/../wordlatch/tests/data/interop/test-simple.puz
[ -f "$puz" ] || fail "the sample $puz is missing"
cp "$puz" "$samples/simple.puz"
cp "$puz" "$samples/simple.bin"
cat >"$samples/tiny.ipuz" <<'EOF'
{"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
 "dimensions": {"width": 3, "height": 1}, "puzzle": [[1, 0, 0]],
 "solution": [["C", "A", "T"]], "clues": {"Across": [[1, "Pet"]], "Down": []}}
EOF
for sample in grid.xwd:application/x-wordlatch-xwd GRID.XWD:application/x-wordlatch-xwd \
              simple.puz:application/x-crossword simple.bin:application/x-crossword \
              tiny.ipuz:application/x-ipuz; do
    file=${sample%%:*} want=${sample#*:}
    got=$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$samples/$file")
    [ "$got" = "$want" ] || fail "xdg-mime query filetype $file: ${got:-nothing}, expected $want"
    ok "xdg-mime query filetype $file: $want"
done
