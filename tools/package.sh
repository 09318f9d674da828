#!/usr/bin/env bash
# Builds the Debian package build-package/drawsmith_<version>_<arch>.deb (Release, in its own folder),
# then proves it: unpacks it and starts the unpacked program offscreen with a fresh home, which must
# create its data folder there, find its wheels, help and bundled histories beside itself, and write
# nothing anywhere else.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh dpkg-dev file
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DDRAWSMITH_PACKAGE=ON -DCMAKE_INSTALL_PREFIX=/usr \
    -DDRAWSMITH_BUILD_TESTS=OFF -DDRAWSMITH_BUILD_BENCH=OFF -DDRAWSMITH_BUILD_TOOLS=OFF
cmake --build build-package -j"$(nproc)"
rm -f build-package/drawsmith_*.deb
(cd build-package && cpack -G DEB)
deb="$(echo build-package/drawsmith_*_"$(dpkg --print-architecture)".deb)"
dpkg-deb --field "$deb" Package Version Depends

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
mkdir "$tmp/home"
mkdir -m 700 "$tmp/runtime"
listing() { (cd "$1" && find . | LC_ALL=C sort); }
listing "$tmp/root" >"$tmp/root-before"
# A message box at start-up would wait for a click that never comes; the check fails instead.
env -i HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    timeout 60 "$tmp/root/usr/bin/drawsmith" --check-install | tee "$tmp/report"
data=".local/share/Drawsmith Canada"
fail() { echo "package check failed: $*"; exit 1; }
grep -qxF "player's files: $tmp/home/$data" "$tmp/report" || fail "the player's files are not in $data"
grep -qxF "program's files: $tmp/root/usr/share/drawsmith" "$tmp/report" || fail "the program's files were looked for elsewhere"
[ -f "$tmp/home/$data/game.dat" ] || fail "nothing was written to the data folder"
listing "$tmp/root" | diff "$tmp/root-before" - || fail "the program wrote into its installed files"
outside="$(listing "$tmp/home" | grep -vxF -e . -e ./.local -e ./.local/share -e "./$data" | grep -vF "./$data/" || true)"
[ -z "$outside" ] || fail "written outside the data folder: $outside"
[ -z "$(ls -A "$tmp/runtime")" ] || fail "written into the session's runtime folder"
desktop-file-validate "$tmp/root/usr/share/applications/drawsmith.desktop"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/"*.metainfo.xml
echo "$deb: the unpacked program starts, finds its own files and keeps the player's files in ~/$data"
