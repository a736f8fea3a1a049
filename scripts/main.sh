#!/usr/bin/env bash
# The main job: builds the demo and runs it without a screen along its scripted routes
# through the example setup wizards, writing a picture of every page shown.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)" --target zelvant-demo formtool >/dev/null
for form in examples/setup.dfm examples/setup-tabbed.dfm examples/options.dfm; do
  build/release/apps/formtool --check "$form"
done
echo
build/release/apps/zelvant-demo --headless --out out/demo
echo
echo "The pictures of every page shown are in $(pwd)/out/demo/"
