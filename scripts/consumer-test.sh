#!/usr/bin/env bash
# Installs Zelvant from a build tree into a temporary prefix, then builds and runs the
# consumer example (examples/consumer) three ways: find_package(Zelvant), pkg-config, and
# add_subdirectory of the source tree. Usage: consumer-test.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: consumer-test.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
echo "installed into a temporary prefix: $(find "$prefix" -type f | wc -l) files"

run() {  # name, program: runs it and checks that the wizard finished
  local out
  out=$("$2") || { echo "$1: the consumer failed"; echo "$out"; exit 1; }
  grep -q "Execute returned 1 (OK)" <<<"$out" || { echo "$1: unexpected output"; echo "$out"; exit 1; }
  echo "$1: built and ran ($(grep -c '^page ' <<<"$out") page changes, finished with OK)"
}

cmake -S examples/consumer -B "$work/find-package" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/find-package" >/dev/null
run "find_package(Zelvant)" "$work/find-package/consumer"

pcdir=$(dirname "$(find "$prefix" -name zelvant.pc)")
# shellcheck disable=SC2046
c++ examples/consumer/main.cpp -o "$work/pkg-config-consumer" $(PKG_CONFIG_PATH=$pcdir pkg-config --cflags --libs zelvant)
run "pkg-config zelvant" "$work/pkg-config-consumer"

cmake -S examples/consumer -B "$work/subdirectory" -G Ninja -DZELVANT_SOURCE="$(pwd)" >/dev/null
cmake --build "$work/subdirectory" -j"$(nproc)" >/dev/null
run "add_subdirectory(zelvant)" "$work/subdirectory/consumer"
