#!/usr/bin/env bash
# Builds and runs every test: a normal build, the form-reader fuzz target for a fixed
# number of runs, and the whole suite again under AddressSanitizer + UBSan (leaks fail).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== Normal build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure -j"$jobs"

echo "== Fuzzing the form reader"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZELVANT_FUZZ=ON -DZELVANT_WERROR=OFF -DBUILD_TESTING=OFF -DZELVANT_BENCH=OFF >/dev/null
cmake --build build/fuzz -j"$jobs" --target form_reader_fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/form_reader_fuzz -runs=200000 -max_len=4096 -seed=1 build/fuzz/corpus fuzz/corpus 2>&1 | tail -n 3

echo "== Sanitizer build"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVANT_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs"
