#!/usr/bin/env bash
# Installs the build under a temporary prefix: the menu entry must start the program where it went,
# and the desktop's validators must accept the menu entry and the software-centre listing.
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/install-deps.sh installs it)"
        exit 77
    fi
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# DESTDIR catches the menu entry too, which goes to an absolute folder (normally in the home).
DESTDIR="$tmp/root" cmake --install "$build" --prefix "$tmp/elsewhere" >/dev/null
entry="$(find "$tmp/root" -name drawsmith.desktop)"
[ -n "$entry" ] || { echo "no menu entry installed"; exit 1; }
grep -qx "Exec=\"$tmp/elsewhere/drawsmith\"" "$entry" || { echo "the menu entry starts the wrong program:"; grep Exec "$entry"; exit 1; }
[ -x "$tmp/root$tmp/elsewhere/drawsmith" ] || { echo "no program at $tmp/elsewhere"; exit 1; }
desktop-file-validate "$entry"
appstreamcli validate --no-net "$build"/*.metainfo.xml
echo "menu entry and listing valid"
