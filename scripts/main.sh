#!/usr/bin/env bash
# The main job: builds the demo and runs it without a screen along its scripted routes
# through the example setup wizards, writing a picture of every page shown.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh main
log=build/logs/main-build.log
mkdir -p build/logs
echo "Building the demo and formtool (log: $log)"
if ! { cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVANT_BUILD_TESTS=OFF \
         -DZELVANT_BENCH=OFF && cmake --build build/release -j"$(nproc)" --target zelvant-demo formtool; } >"$log" 2>&1; then
  tail -n 40 "$log"
  exit 1
fi
for form in examples/setup.dfm examples/setup-tabbed.dfm examples/options.dfm; do
  build/release/apps/formtool --check "$form"
done
echo
build/release/apps/zelvant-demo --headless --out out/demo
echo
echo "The pictures of every page shown are in $(pwd)/out/demo/"
