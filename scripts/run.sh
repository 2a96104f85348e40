#!/usr/bin/env bash
# Installs what is missing, builds the planner into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tolvik
exec build/tolvik
