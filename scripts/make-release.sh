#!/bin/sh
# Builds both DLLs (optimised and stripped) and writes the release to dist/:
#   Tarnix-<version>-x64.msi   both DLLs, for 64-bit Windows
#   Tarnix-<version>-x86.msi   the 32-bit DLL, for 32-bit Windows
#   Tarnix-<version>.zip       x86\ and x64\ DLLs, README, examples, install.cmd, uninstall.cmd
# <version> is the project's (CMakeLists.txt), as the packages write it: 1.1.43.
#   scripts/make-release.sh [--output DIR] [--package-version X.Y.Z]
# --package-version gives the packages another version (the upgrade tests use it).
set -eu
cd "$(dirname "$0")/.."
repository=$(pwd)
output=$repository/dist
package_version=""
while [ $# -gt 0 ]; do
  case "$1" in
    --output) output=$(realpath -m "$2"); shift 2 ;;
    --package-version) package_version=$2; shift 2 ;;
    *) echo "usage: scripts/make-release.sh [--output DIR] [--package-version X.Y.Z]" >&2; exit 2 ;;
  esac
done

# The DLLs of the win64 and win32 presets: the very files the tests run.
scripts/build-dlls.sh
version=${package_version:-$(cat build/win64/tarnix-version.txt)}

# One ProductCode per package and version, so that the same version never
# installs twice: a name-based UUID (version 5 layout) of both.
product_code() {
  hash=$(printf 'Tarnix %s %s' "$1" "$2" | sha1sum | cut -c1-32)
  variant=$(printf '%x' $(( (0x$(printf '%s' "$hash" | cut -c17) & 3) | 8 )))
  printf '%s-%s-5%s-%s%s-%s\n' "$(printf '%s' "$hash" | cut -c1-8)" "$(printf '%s' "$hash" | cut -c9-12)" \
    "$(printf '%s' "$hash" | cut -c14-16)" "$variant" "$(printf '%s' "$hash" | cut -c18-20)" \
    "$(printf '%s' "$hash" | cut -c21-32)" | tr 'a-f' 'A-F'
}

stage=$repository/build/release-stage
rm -rf "$stage"
mkdir -p "$stage/x64" "$stage/x86" "$output"
cp build/win64/src/automation/com/Tarnix.dll "$stage/x64/"
cp build/win32/src/automation/com/Tarnix.dll "$stage/x86/"

for arch in x64 x86; do
  msi="$output/Tarnix-$version-$arch.msi"
  echo "== $msi"
  # wixl takes the DLLs by paths relative to where it runs.
  (cd "$stage" && wixl -a "$arch" -I "$repository/packaging" -D Arch="$arch" -D Version="$version" \
     -D ProductCode="$(product_code "$arch" "$version")" -D Dll64=x64/Tarnix.dll -D Dll32=x86/Tarnix.dll \
     -o "$msi" "$repository/packaging/Tarnix.wxs")
done

zip_root="$stage/Tarnix-$version"
mkdir -p "$zip_root/examples"
cp -r "$stage/x64" "$stage/x86" "$zip_root/"
cp README.md "$zip_root/"
cp examples/* "$zip_root/examples/"
for script in install.cmd uninstall.cmd bitness.cmd; do
  sed 's/$/\r/' "packaging/$script" > "$zip_root/$script"  # CRLF, as cmd files are
done
rm -f "$output/Tarnix-$version.zip"
echo "== $output/Tarnix-$version.zip"
(cd "$stage" && zip -q -r -X "$output/Tarnix-$version.zip" "Tarnix-$version")
ls -l "$output"
