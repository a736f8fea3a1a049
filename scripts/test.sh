#!/usr/bin/env bash
# Builds and runs every test: a normal build and its tests, the install and the consumer
# example three ways, the fuzz targets for a fixed number of runs each (any sanitizer
# report fails), and the whole suite again under AddressSanitizer + UBSan (leaks fail).
# Each stage prints one line; the full output of each is kept in build/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
jobs=$(nproc)
logs=build/logs
mkdir -p "$logs"
summary=()

# stage NAME LOG DESCRIBE COMMAND...: runs COMMAND with its output in LOG; on failure shows
# the end of the log and stops. DESCRIBE (a function given the log, or -) says what passed.
stage() {
  local name=$1 log=$logs/$2 describe=$3
  shift 3
  local start=$SECONDS result=ok
  if ! "$@" >"$log" 2>&1; then
    echo "FAILED: $name (full log: $log); its last lines:"
    tail -n 40 "$log"
    exit 1
  fi
  [ "$describe" != - ] && result=$("$describe" "$log")
  summary+=("$(printf '%-26s %5ss  %s' "$name" $((SECONDS - start)) "$result")")
  echo "${summary[-1]}"
}
# What ctest and libFuzzer say of a run.
tests_passed() { grep -Eo 'tests passed, 0 tests failed out of [0-9]+' "$1" | awk '{print "all " $8 " tests passed"}'; }
fuzz_runs() { grep -Eo 'Done [0-9]+ runs' "$1" | awk '{print $2 " runs, no sanitizer report"}'; }

build_release() {
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVANT_BUILD_TESTS=ON -DZELVANT_BENCH=ON \
    && cmake --build build/release -j"$jobs"
}
stage "Normal build" build-release.log - build_release
stage "Tests" tests-release.log tests_passed ctest --test-dir build/release --output-on-failure -j"$jobs"
# The API reference; an undocumented public operation of the wizard or its controls fails it.
api_docs() { rm -rf build/api-docs && ZELVANT_API_DOCS=build/api-docs doxygen docs/Doxyfile; }
api_classes() { echo "$(ls build/api-docs/html/class*.html | grep -vc -- -members) classes, every public operation documented"; }
stage "API reference" api-docs.log api_classes api_docs
stage "Install and consumer" consumer.log - bash scripts/consumer-test.sh build/release

fuzz_build() {
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZELVANT_FUZZ=ON -DZELVANT_WERROR=OFF -DZELVANT_BUILD_TESTS=OFF -DZELVANT_BUILD_APPS=OFF -DZELVANT_BENCH=OFF \
    && cmake --build build/fuzz -j"$jobs"
}
stage "Fuzz build" fuzz-build.log - fuzz_build
# fuzz TARGET RUNS MAX_LEN SEEDS: a fixed number of runs from the seeds; any sanitizer
# report fails (the targets are built to stop at the first).
fuzz() {
  mkdir -p "build/fuzz/corpus-$1"
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build/fuzz/fuzz/$1" -runs="$2" -max_len="$3" -seed=1 "build/fuzz/corpus-$1" "$4"
}
stage "Fuzz form reader" fuzz-form-reader.log fuzz_runs fuzz form_reader_fuzz 200000 8192 fuzz/corpus
stage "Fuzz wizard forms" fuzz-wizard-forms.log fuzz_runs fuzz wizard_form_fuzz 8000 65536 fuzz/corpus_wizard

asan_build() {
  cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVANT_SANITIZE=ON && cmake --build build/asan -j"$jobs"
}
asan_tests() {
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j"$jobs"
}
stage "Sanitizer build" build-asan.log - asan_build
stage "Sanitizer tests" tests-asan.log tests_passed asan_tests

echo
echo "All stages passed (full logs in $(pwd)/$logs):"
printf '  %s\n' "${summary[@]}"
