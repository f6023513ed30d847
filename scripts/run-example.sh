#!/bin/sh
# Builds Tarnix.dll for 64-bit and 32-bit Windows, registers the 64-bit DLL
# in a private Wine prefix (build/win64/wineprefix) and lists a folder with
# examples/list.vbs, sorted by size, largest first.
#   scripts/run-example.sh [FOLDER]     (default: this repository)
set -eu
cd "$(dirname "$0")/.."
repository=$(pwd)
folder=$(realpath "${1:-$repository}")
[ -d "$folder" ] || { echo "not a folder: $folder" >&2; exit 1; }

scripts/install-deps.sh

for preset in win64 win32; do
  echo "== build Tarnix.dll ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Tarnix
done

wine_run=build/win64/wine-run
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

echo "== register build/win64/src/automation/com/Tarnix.dll in build/win64/wineprefix"
"$wine_run" wineboot --init >/dev/null 2>&1
"$wine_run" regsvr32 /s "$(windows_path "$repository/build/win64/src/automation/com/Tarnix.dll")"

echo "== examples/list.vbs $folder"
if output=$("$wine_run" cscript //nologo "$(windows_path "$repository/examples/list.vbs")" \
                "$(windows_path "$folder")"); then
  status=0
else
  status=$?
fi
printf '%s\n' "$output" | tr -d '\r'
"$wine_run" --stop
exit "$status"
