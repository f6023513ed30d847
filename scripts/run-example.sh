#!/bin/sh
# Builds Tarnix.dll for 64-bit and 32-bit Windows, registers one of them in
# a private Wine prefix and lists a folder with examples/list.vbs, sorted by
# size, largest first.
#   scripts/run-example.sh [FOLDER]        the 64-bit DLL, 64-bit cscript
#   scripts/run-example.sh --32 [FOLDER]   the 32-bit DLL, 32-bit cscript, in
#                                          the 32-bit Wine of the chroot
# FOLDER defaults to this repository.
set -eu
cd "$(dirname "$0")/.."
repository=$(pwd)
bits=64
if [ "${1:-}" = "--32" ]; then
  bits=32
  shift
fi
folder=$(realpath "${1:-$repository}")
[ -d "$folder" ] || { echo "not a folder: $folder" >&2; exit 1; }

scripts/build-dlls.sh

build=build/win$bits
if [ "$bits" = 32 ]; then
  cmake/wine32-chroot.sh ensure
  system='C:\windows\syswow64'
  # The folder to list must be visible inside the chroot.
  TARNIX_WINE32_BINDS=$folder
  export TARNIX_WINE32_BINDS
else
  system='C:\windows\system32'
fi
wine_run=$build/wine-run
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

echo "== register $build/src/automation/com/Tarnix.dll in $build/wineprefix"
"$wine_run" wineboot --init >/dev/null 2>&1
"$wine_run" "$system\\regsvr32.exe" /s "$(windows_path "$repository/$build/src/automation/com/Tarnix.dll")"

echo "== examples/list.vbs $folder ($bits-bit cscript)"
if output=$("$wine_run" "$system\\cscript.exe" //nologo "$(windows_path "$repository/examples/list.vbs")" \
                "$(windows_path "$folder")"); then
  status=0
else
  status=$?
fi
printf '%s\n' "$output" | tr -d '\r'
"$wine_run" --stop
exit "$status"
