#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT
# Checks the desktop integration files: the desktop entry and the AppStream metadata with their
# validators, the two installed together as a tree, and the help anchors the program opens.
# Exits 0 when all is well, 1 on any fault, 77 when a validator is not installed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
app_id=org.kestrune.Kestrune
# The desktop entry as configured by the build (its first argument), else the template with the
# launcher of a /usr installation filled in.
desktop="${1:-}"
if [ -z "$desktop" ]; then
    desktop="$(mktemp --suffix=.desktop)"
    trap 'rm -f "$desktop"' EXIT
    sed 's|@KESTRUNE_MENU_LAUNCHER@|/usr/libexec/kestrune/kestrune-menu|' \
        "$here/$app_id.desktop.in" >"$desktop"
fi
metainfo="$here/$app_id.metainfo.xml"
icon="$here/icons/kestrune.svg"
help="$root/ui/resources/help/kestrune.html"

for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "validate.sh: ${tool%%:*} not found (Debian package ${tool#*:}); skipped" >&2
        exit 77
    fi
done

failed=0
fail() {
    echo "validate.sh: $*" >&2
    failed=1
}

# desktop-file-validate exits 0 on warnings; a warning counts as a fault here too.
if ! out="$(desktop-file-validate "$desktop" 2>&1)"; then
    fail "desktop entry is invalid"
fi
[ -n "$out" ] && echo "$out"
if grep -Eq '(error|warning):' <<<"$out"; then
    fail "desktop entry has errors or warnings"
fi

appstreamcli validate --no-net --strict "$metainfo" || fail "metainfo is invalid"

# Installed side by side, the metainfo's launchable must find the desktop entry and the entry
# must find the icon under its name.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"; [ -n "${1:-}" ] || rm -f "$desktop"' EXIT
mkdir -p "$stage/usr/share/applications" "$stage/usr/share/metainfo" \
         "$stage/usr/share/icons/hicolor/scalable/apps"
cp "$desktop" "$stage/usr/share/applications/$app_id.desktop"
cp "$metainfo" "$stage/usr/share/metainfo/"
cp "$icon" "$stage/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
appstreamcli validate-tree --no-net --strict "$stage" || fail "installed tree is invalid"

icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
[ "$icon_name" = "$app_id" ] || fail "desktop entry names icon '$icon_name', installed as '$app_id'"

# The help viewer jumps to these name anchors: the pages' Help buttons and F1 in the sheet
# (context-1), F1 in "Calibrate Turns" (context-2) and in "Calibrate Torque" (context-3).
for anchor in context-1 context-2 context-3; do
    grep -q "<a name=\"$anchor\">" "$help" || fail "help document lacks the anchor $anchor"
done

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "validate.sh: desktop entry, metainfo and help anchors are valid"
