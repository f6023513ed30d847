#!/bin/sh
# Builds every preset and runs every test: the native unit tests, the same
# tests under the sanitizers, and the Windows build's tests under Wine.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in native native-asan win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

for preset in native native-asan win64 win32; do
  echo "== test $preset"
  ctest --preset "$preset"
done
echo "== all tests passed"
