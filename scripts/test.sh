#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: unit and window
# tests on Qt's offscreen platform, the end-to-end test of build/tolvik under
# Xvfb, and a short fuzzing run of each file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build
exec ctest --output-on-failure --timeout 900
