#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a desktop
# needs of it: the program answers --version without a display, the .desktop
# file and the AppStream metadata pass their validators and name files that
# exist, the experiment files' MIME type is installed and handled, the
# ready-made examples are there and the icon is there in every size.
# Usage: check_install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake="$1"
build="$2"
id="$3"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

share="$prefix/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
mime="$share/mime/packages/$id.xml"
for f in "$prefix/bin/sonrel6" "$desktop" "$metainfo" "$mime" \
         "$share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$f" ] || fail "$f is missing"
done
[ -x "$prefix/bin/sonrel6" ] || fail "bin/sonrel6 is not executable"

# Each PNG is a PNG of the size its folder names.
for size in 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -s "$png" ] || fail "$png is missing"
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "$png is not a PNG"
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"

# The .desktop file starts the installed program and names the installed icon.
grep -qx "Exec=sonrel6 %f" "$desktop" || fail "Exec does not start sonrel6 with the file"
grep -qx "MimeType=application/x-sonrel6-experiment;" "$desktop" ||
    fail "the .desktop file does not name the experiment files' type"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"

# The MIME database built from the installed definition knows *.sonrel.
said=$(update-mime-database "$share/mime" 2>&1) || fail "update-mime-database rejected $mime: $said"
grep -q "application/x-sonrel6-experiment:\*\.sonrel" "$share/mime/globs" ||
    fail "the MIME database has no *.sonrel"
grep -q "Опыт Sonrel6" "$share/mime/application/x-sonrel6-experiment.xml" ||
    fail "the MIME type has no Russian comment"

# The licence: its full text is installed and the metadata names it.
grep -q "GNU GENERAL PUBLIC LICENSE" "$share/doc/sonrel6/LICENSE" 2>/dev/null &&
    grep -q "Version 3, 29 June 2007" "$share/doc/sonrel6/LICENSE" ||
    fail "the GPL-3 text is not installed"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
    fail "the metadata does not name the licence"

# The ready-made examples are installed, each an experiment file of its own window.
examples=("$share"/sonrel6/examples/Form*/*.sonrel)
[ -s "${examples[0]}" ] || fail "no example is installed under share/sonrel6/examples"
for f in "${examples[@]}"; do
    form=$(basename "$(dirname "$f")")
    grep -q '"format": "sonrel6-experiment"' "$f" && grep -q "\"window\": \"$form\"" "$f" &&
        grep -q '"title": ' "$f" || fail "$f is not an example of $form"
done

# --version needs no window system, and the metadata's newest release is that version.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/sonrel6" --version) ||
    fail "sonrel6 --version failed"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$out" = "Sonrel6 $release" ] || fail "--version printed '$out', the metadata's release is $release"
echo "install layout, validators and --version: passed"
