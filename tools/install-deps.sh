#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing; packages named as
# arguments (tools/fuzz.sh adds clang) are installed the same way.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
          libbenchmark-dev poppler-utils fonts-dejavu-core qt6-qpa-plugins desktop-file-utils appstream "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
