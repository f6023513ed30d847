#!/bin/sh
# Installs and removes the release packages of DIST (scripts/make-release.sh)
# under Wine and checks what each leaves behind, in a fresh 64-bit (WoW64)
# prefix of the 32-bit Wine's chroot (cmake/wine32-chroot.sh), where both the
# 64-bit and the 32-bit script hosts run:
#   - the x64 MSI, installed silently: both DLLs in their Program Files
#     folders, both ProgIDs working in the 64-bit and the 32-bit cscript, the
#     same registry keys and values as regsvr32 of those DLLs writes, one
#     installation after installing it twice and after a newer version over
#     it; removed silently: no file, no key, neither ProgID resolving;
#   - the zip's install.cmd and uninstall.cmd under Wine's cmd, likewise;
#   - the x86 MSI, with the 32-bit cscript.
#   tests/package/test-packages.sh DIST
set -u
repository=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(realpath "$1")
here=$repository/tests/package
work=$repository/build/package-tests
chroot_tool=$repository/cmake/wine32-chroot.sh
version=$(cat "$repository/build/win64/tarnix-version.txt")
prefix=$work/prefix
failures=0

check() {  # check DESCRIPTION COMMAND...: PASS or FAIL by the command's status
  description=$1
  shift
  if "$@"; then echo "PASS: $description"; else echo "FAIL: $description"; failures=$((failures + 1)); fi
}

windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

wine() {
  WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" WINEARCH=win64 \
    "$chroot_tool" run --bind "$repository" -- /usr/lib/wine/wine64 "$@"
}

# Ends the prefix's wineserver, which writes the registry to system.reg.
stop() {
  WINEPREFIX=$prefix "$chroot_tool" run --bind "$repository" -- /usr/lib/wine/wineserver -k 2>/dev/null || true
}

# What both registry views hold of Tarnix (its classes, ProgIDs, type library
# and interfaces), keys in lower case, without the times Wine keeps.
registry() {
  stop
  awk '/^\[/ { key = tolower($0); sub(/\] [0-9]+$/, "]", key)
               keep = key ~ /7e5a9500|7e5a9501|7e5a9502|7e5a9503|7e5a94ff|\\\\tarnix\.file/
               if (keep) print key
               next }
       /^#time=/ || /^$/ { next }
       keep { print }' "$prefix/system.reg"
}

# How many installations of Tarnix the Uninstall keys list, and their versions.
installations() {
  stop
  awk '/^\[/ { inside = tolower($0) ~ /\\\\uninstall\\\\\{/; next }
       inside && /^"DisplayName"="Tarnix/ { count++ }
       inside && /^"DisplayVersion"=/ { sub(/^"DisplayVersion"="/, ""); sub(/"$/, ""); versions = versions " " $0 }
       END { printf "%d%s\n", count, versions }' "$prefix/system.reg"
}

# probe 64|32 present|absent: what the script host of that bitness sees.
probe() {
  case "$1" in 64) system=system32 ;; *) system=syswow64 ;; esac
  output=$(wine "C:\\windows\\$system\\cscript.exe" //nologo "$(windows_path "$here/probe.vbs")" "$2" \
             "$(windows_path "$repository/examples/")" 2>&1 | tr -d '\r')
  echo "  $output"
  case "$output" in ok:*) return 0 ;; *) return 1 ;; esac
}

msiexec() { wine msiexec "$@" /qn; }

present() { [ -f "$prefix/drive_c/$1" ]; }
absent() { [ ! -e "$prefix/drive_c/$1" ]; }
empty() { [ -z "$(registry)" ]; }
same_registry() { registry > "$work/$2.reg"; cmp -s "$work/$1.reg" "$work/$2.reg" || diff "$work/$1.reg" "$work/$2.reg"; }
both_views() { grep -q 'wow6432node\\\\clsid\\\\{7e5a9502' "$work/$1.reg" && grep -q '^\[software\\\\classes\\\\clsid\\\\{7e5a9502' "$work/$1.reg"; }
one_installation() { [ "$(installations)" = "1 $1" ]; }
no_installation() { [ "$(installations)" = "0" ]; }

rm -rf "$work"
mkdir -p "$work"
echo "== a fresh prefix: $prefix"
wine wineboot --init >/dev/null 2>&1
x64="$(windows_path "$dist/Tarnix-$version-x64.msi")"
x86="$(windows_path "$dist/Tarnix-$version-x86.msi")"
dll64="Program Files/Tarnix/Tarnix.dll"
dll32="Program Files (x86)/Tarnix/Tarnix.dll"

echo "== the x64 MSI"
check "msiexec /i Tarnix-$version-x64.msi /qn" msiexec /i "$x64"
check "the 64-bit DLL is in Program Files\\Tarnix" present "$dll64"
check "the 32-bit DLL is in Program Files (x86)\\Tarnix" present "$dll32"
check "the 64-bit cscript creates both classes" probe 64 present
check "the 32-bit cscript creates both classes" probe 32 present
registry > "$work/installed.reg"
check "both registry views hold the registration" both_views installed
check "one installation" one_installation "$version"
check "installing the same package again" msiexec /i "$x64"
check "still one installation" one_installation "$version"

newer=$(echo "$version" | awk -F. '{ printf "%d.%d.%d", $1, $2, $3 + 1 }')
echo "== a newer version over it ($newer)"
"$repository/scripts/make-release.sh" --output "$work/newer" --package-version "$newer" >/dev/null
check "msiexec /i Tarnix-$newer-x64.msi /qn" msiexec /i "$(windows_path "$work/newer/Tarnix-$newer-x64.msi")"
check "one installation, of $newer" one_installation "$newer"
check "the same registration" same_registry installed upgraded
check "the 32-bit cscript still creates both classes" probe 32 present

echo "== msiexec /x"
check "msiexec /x Tarnix-$newer-x64.msi /qn" msiexec /x "$(windows_path "$work/newer/Tarnix-$newer-x64.msi")"
check "no installation" no_installation
check "the 64-bit DLL is gone" absent "$dll64"
check "the 32-bit DLL is gone" absent "$dll32"
check "no key of Tarnix is left" empty
check "neither ProgID resolves in the 64-bit cscript" probe 64 absent
check "neither ProgID resolves in the 32-bit cscript" probe 32 absent

echo "== regsvr32 of the same DLLs at the same places"
mkdir -p "$(dirname "$prefix/drive_c/$dll64")" "$(dirname "$prefix/drive_c/$dll32")"
cp "$repository/build/win64/src/automation/com/Tarnix.dll" "$prefix/drive_c/$dll64"
cp "$repository/build/win32/src/automation/com/Tarnix.dll" "$prefix/drive_c/$dll32"
# The 64-bit DLL last: the help folder of the shared type library key is its.
check "regsvr32 of the 32-bit DLL" wine 'C:\windows\syswow64\regsvr32.exe' /s 'C:\Program Files (x86)\Tarnix\Tarnix.dll'
check "regsvr32 of the 64-bit DLL" wine 'C:\windows\system32\regsvr32.exe' /s 'C:\Program Files\Tarnix\Tarnix.dll'
check "the MSI wrote the keys and values regsvr32 writes" same_registry installed regsvr32
wine 'C:\windows\system32\regsvr32.exe' /u /s 'C:\Program Files\Tarnix\Tarnix.dll'
wine 'C:\windows\syswow64\regsvr32.exe' /u /s 'C:\Program Files (x86)\Tarnix\Tarnix.dll'
rm -rf "$prefix/drive_c/Program Files/Tarnix" "$prefix/drive_c/Program Files (x86)/Tarnix"
check "regsvr32 /u leaves no key" empty

echo "== the zip's install.cmd and uninstall.cmd"
rm -rf "$prefix/drive_c/Tools"
mkdir -p "$prefix/drive_c/Tools"
unzip -q "$dist/Tarnix-$version.zip" -d "$prefix/drive_c/Tools"
folder="C:\\Tools\\Tarnix-$version"
output=$(wine cmd /c "$folder\\install.cmd" 2>&1 | tr -d '\r')
printf '%s\n' "$output" | sed 's/^/  /'
check "install.cmd reports both DLLs registered" sh -c 'printf "%s\n" "$1" | grep -q "registered x64" && printf "%s\n" "$1" | grep -q "registered x86"' - "$output"
check "the 64-bit cscript creates both classes" probe 64 present
check "the 32-bit cscript creates both classes" probe 32 present
registry > "$work/zip.reg"
check "both registry views hold the registration" both_views zip
check "the registration names the zip's DLLs" grep -qi 'tools\\\\tarnix-' "$work/zip.reg"
output=$(wine cmd /c "$folder\\uninstall.cmd" 2>&1 | tr -d '\r')
printf '%s\n' "$output" | sed 's/^/  /'
check "uninstall.cmd reports both DLLs unregistered" sh -c 'printf "%s\n" "$1" | grep -q "unregistered x64" && printf "%s\n" "$1" | grep -q "unregistered x86"' - "$output"
check "no key of Tarnix is left" empty
check "neither ProgID resolves in the 64-bit cscript" probe 64 absent
check "neither ProgID resolves in the 32-bit cscript" probe 32 absent

echo "== the x86 MSI"
check "msiexec /i Tarnix-$version-x86.msi /qn" msiexec /i "$x86"
check "the 32-bit DLL is in Program Files (x86)\\Tarnix" present "$dll32"
check "no 64-bit DLL" absent "$dll64"
check "the 32-bit cscript creates both classes" probe 32 present
check "one installation" one_installation "$version"
check "msiexec /x Tarnix-$version-x86.msi /qn" msiexec /x "$x86"
check "the 32-bit DLL is gone" absent "$dll32"
check "no key of Tarnix is left" empty
check "neither ProgID resolves in the 32-bit cscript" probe 32 absent

stop
if [ "$failures" -ne 0 ]; then
  echo "$failures package checks failed"
  exit 1
fi
echo "all package checks passed"
