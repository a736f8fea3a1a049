#!/usr/bin/env bash
# Installs the Debian packages a command needs, when any is missing.
#   bash scripts/setup.sh main   what building and running the demo needs
#   bash scripts/setup.sh test   that, and what the tests, benchmarks and fuzzing need
# It prints a line of progress while apt-get works; apt-get's own output goes to a log.
set -euo pipefail
mode=${1:-test}

# Building the libraries and programs, and the demo in a window (SDL2).
main_packages=(cmake ninja-build g++ pkg-config libfreetype-dev libfontconfig-dev libharfbuzz-dev libpng-dev
               fonts-dejavu-core libsdl2-dev)
# The tests (GoogleTest; the live window tests under Xvfb; a CJK font for text drawn by
# font fallback), the benchmarks, the fuzz targets with clang's sanitizer runtimes, the API
# reference (Doxygen) and the route graph's picture (Graphviz).
test_packages=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev libx11-dev xvfb xauth doxygen graphviz
               fonts-wqy-microhei)

packages=("${main_packages[@]}")
case "$mode" in
  main) ;;
  test) packages+=("${test_packages[@]}") ;;
  *) echo "usage: setup.sh main|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
log=${TMPDIR:-/tmp}/zelvant-setup.log
echo "Set-up: installing ${missing[*]} and what they need (log: $log)"
$sudo apt-get update -qq >"$log" 2>&1 || { tail -n 5 "$log"; exit 1; }
total=$($sudo apt-get install -s --no-install-recommends "${missing[@]}" 2>>"$log" | grep -c '^Inst ' || true)
$sudo apt-get install -y --no-install-recommends "${missing[@]}" >>"$log" 2>&1 &
installer=$!
next_print=0
shown=""
while kill -0 "$installer" 2>/dev/null; do
  fetched=$(grep -c '^Get:' "$log" || true)
  unpacked=$(grep -c '^Unpacking ' "$log" || true)
  configured=$(grep -c '^Setting up ' "$log" || true)
  if [ "$configured" -gt 0 ]; then line="Set-up: configured $configured of $total packages"
  elif [ "$unpacked" -gt 0 ]; then line="Set-up: unpacked $unpacked of $total packages"
  else line="Set-up: downloaded $fetched of $total packages"; fi
  if [ -t 1 ]; then
    printf '\r%s   ' "$line"
  elif [ "$SECONDS" -ge "$next_print" ] && [ "$line" != "$shown" ]; then
    echo "$line"
    shown=$line
    next_print=$((SECONDS + 10))
  fi
  sleep 1
done
if ! wait "$installer"; then
  [ -t 1 ] && echo
  echo "Set-up: apt-get failed; the end of its log ($log):"
  tail -n 15 "$log"
  exit 1
fi
[ -t 1 ] && printf '\r'
echo "Set-up: installed $total packages"
