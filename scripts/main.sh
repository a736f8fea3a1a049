#!/usr/bin/env bash
# The main job: builds the package and checks and formats the example form file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)" --target formtool
build/release/apps/formtool examples/minimal.dfm
