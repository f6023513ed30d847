#!/bin/sh
# Checks a built Tarnix.dll without running it (the 32-bit one cannot run on
# these machines): its exports and their ordinals, that it imports system
# DLLs only, its resources, the target system of its type library and its
# version resource.
#   check-dll.sh DLL 32|64 VERSION        (VERSION as the resource shows it: 1.01.0043)
set -u
dll=$1
bits=$2
version_text=$3
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

case "$bits" in
  32) objdump=i686-w64-mingw32-objdump; syskind=1 ;;   # SYS_WIN32
  64) objdump=x86_64-w64-mingw32-objdump; syskind=3 ;; # SYS_WIN64
  *) echo "usage: check-dll.sh DLL 32|64 VERSION" >&2; exit 2 ;;
esac

headers=$($objdump -p "$dll") || { echo "FAIL: objdump cannot read $dll"; exit 1; }

# Exports: exactly the four entry points, at ordinals 1 to 4.
ordinal=1
for name in DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer; do
  index=$((ordinal - 1))
  printf '%s\n' "$headers" | grep -Eq "^[[:space:]]+\[ *$index\] $name\$" || fail "$name is not export $index"
  printf '%s\n' "$headers" | grep -Eq "^[[:space:]]+\[ *$index\] \+base\[ *$ordinal\] " || fail "no ordinal $ordinal"
  ordinal=$((ordinal + 1))
done
exports=$(printf '%s\n' "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -Ec '^[[:space:]]+\[ *[0-9]+\] ')
[ "$exports" -eq 4 ] || fail "$exports exports instead of 4"

# Imports: system DLLs only (libgcc, libstdc++ and winpthread are linked in).
for imported in $(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
  case "$(printf '%s' "$imported" | tr 'a-z' 'A-Z')" in
    KERNEL32.DLL|MSVCRT.DLL|OLE32.DLL|OLEAUT32.DLL|ADVAPI32.DLL|USER32.DLL) ;;
    *) fail "imports $imported" ;;
  esac
done

# Resources.
resources=$(wrestool -l "$dll")
for expected in "--type='TYPELIB' --name=1" "--type='_IID_FILES' --name=1" "--type='_IID_FILE' --name=1" \
                "--type=16 --name=1"; do
  printf '%s\n' "$resources" | grep -q -- "$expected" || fail "no resource $expected"
done
hex() { wrestool -x -R "$@" "$dll" | od -An -v -tx1 | tr -d ' \n'; }
[ "$(hex --type=_IID_FILES --name=1)" = "1000000001955a7e8f75d111af4e000000000000" ] ||
  fail "_IID_FILES is not the length 16 and {7E5A9501-758F-11D1-AF4E-000000000000}"
[ "$(hex --type=_IID_FILE --name=1)" = "10000000ff945a7e8f75d111af4e000000000000" ] ||
  fail "_IID_FILE is not the length 16 and {7E5A94FF-758F-11D1-AF4E-000000000000}"

# The type library: "MSFT", and the target system in the low nibble of the
# flags word at offset 0x14.
typelib=$(hex --type=TYPELIB --name=1)
[ "$(printf '%s' "$typelib" | cut -c1-8)" = "4d534654" ] || fail "TYPELIB 1 is not a type library"
[ "$(printf '%s' "$typelib" | cut -c42)" = "$syskind" ] || fail "the type library's target system is not $syskind"

# The version resource.
version=$(wrestool -x -R --type=16 --name=1 "$dll" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -c '[:print:]' '\n')
for expected in FileVersion ProductVersion "$version_text" OLESelfRegister ProductName InternalName OriginalFilename \
                Tarnix.dll FileDescription Comments 040904B0; do
  printf '%s\n' "$version" | grep -qx -- "$expected" || fail "the version resource has no '$expected'"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures checks failed for $dll"
  exit 1
fi
echo "all checks passed for $dll"
