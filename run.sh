#!/usr/bin/env bash
# Builds Drawsmith Canada in Release, installs it into its application folder and starts it.
# The application folder is $DRAWSMITH_HOME, or $HOME/Drawsmith; the player's files live there.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
prefix="${DRAWSMITH_HOME:-$HOME/Drawsmith}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DDRAWSMITH_BUILD_TESTS=OFF -DDRAWSMITH_BUILD_BENCH=OFF -DDRAWSMITH_BUILD_TOOLS=OFF
cmake --build build-release -j"$(nproc)"
cmake --install build-release
exec "$prefix/drawsmith" "$@"
