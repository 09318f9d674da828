#!/usr/bin/env bash
# Builds Drawsmith Canada with its tests and runs the whole suite through CTest, offscreen.
# The suite builds unoptimised and without debug information, which halves the build; the
# benchmarks and data tools have their own build (see the README).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DDRAWSMITH_BUILD_TESTS=ON -DDRAWSMITH_BUILD_BENCH=OFF -DDRAWSMITH_BUILD_TOOLS=OFF
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
