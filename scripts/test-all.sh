#!/bin/sh
# Builds every preset and runs every test: the native unit tests, the same
# tests under the sanitizers, a minute of the fuzzer, and the Windows builds'
# tests under Wine, for the 64-bit DLL with the host's Wine and for the 32-bit
# DLL with the 32-bit Wine kept in a chroot (cmake/wine32-chroot.sh; made on
# the first run); then the release packages, installed and removed under Wine.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in native native-asan fuzz win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

# The 32-bit Wine needs root (debootstrap, mounts, binfmt_misc).
wine32=true
if [ "$(id -u)" -ne 0 ] && ! { command -v sudo >/dev/null 2>&1 && sudo -v; }; then
  wine32=false
  if [ "${CI:-}" = "true" ]; then
    echo "FAIL: the 32-bit Wine tests need root or sudo, and CI must run them" >&2
    exit 1
  fi
  echo "SKIPPED: the 32-bit DLL's Wine tests and the package tests need root or sudo (for the chroot); run scripts/test-all.sh as root or with sudo rights to run them"
fi
if $wine32; then
  cmake/wine32-chroot.sh ensure
fi

for preset in native native-asan fuzz win64 win32; do
  if [ "$preset" = win32 ] && $wine32; then
    echo "== test $preset ($(cmake/wine32-chroot.sh describe))"
  else
    echo "== test $preset"
  fi
  if [ "$preset" = win32 ] && ! $wine32; then
    ctest --preset win32 --label-exclude wine
  else
    ctest --preset "$preset"
  fi
done

# The release packages: they install and run in the 32-bit Wine's prefixes.
if $wine32; then
  echo "== the release packages"
  scripts/make-release.sh
  tests/package/test-packages.sh dist
fi
echo "== all tests passed"
