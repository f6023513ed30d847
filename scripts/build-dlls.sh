#!/bin/sh
# Installs what is missing and builds Tarnix.dll of the win64 and win32
# presets (optimised and stripped): build/win64/src/automation/com/Tarnix.dll
# and build/win32/src/automation/com/Tarnix.dll. Used by run-example.sh and
# make-release.sh.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in win64 win32; do
  echo "== build Tarnix.dll ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Tarnix
done
