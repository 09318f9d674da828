#!/usr/bin/env bash
# Builds Drawsmith Canada with its tests and runs the whole suite through CTest, offscreen.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DDRAWSMITH_BUILD_BENCH=ON -DDRAWSMITH_BUILD_TOOLS=ON
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
