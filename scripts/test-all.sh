#!/bin/sh
# Builds every preset and runs every test: the native unit tests, the same
# tests under the sanitizers, a minute of the fuzzer, and the Windows builds'
# tests under Wine, for the 64-bit DLL with the host's Wine and for the 32-bit
# DLL with the 32-bit Wine kept in a chroot (cmake/wine32-chroot.sh; made on
# the first run); then the release packages, installed and removed under Wine.
# The chroot is made while the presets build, and the fuzzer runs while the
# Wine tests do.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

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
mkdir -p build
if $wine32; then
  cmake/wine32-chroot.sh ensure > build/wine32-chroot.log 2>&1 &
  chroot_job=$!
fi

for preset in native native-asan fuzz win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo "== test fuzz (in the background until the end)"
ctest --preset fuzz > build/fuzz-test.log 2>&1 &
fuzz_job=$!

for preset in native native-asan win64; do
  echo "== test $preset"
  ctest --preset "$preset"
done

if $wine32; then
  if ! wait "$chroot_job"; then
    cat build/wine32-chroot.log
    echo "FAIL: the chroot of the 32-bit Wine could not be made"
    exit 1
  fi
  cat build/wine32-chroot.log
  echo "== test win32 ($(cmake/wine32-chroot.sh describe))"
  ctest --preset win32
  # The release packages install and run in the 32-bit Wine's prefixes.
  echo "== the release packages"
  scripts/make-release.sh
  tests/package/test-packages.sh dist
else
  echo "== test win32 (the static checks alone)"
  ctest --preset win32 --label-exclude wine
fi

echo "== test fuzz"
fuzz_status=0
wait "$fuzz_job" || fuzz_status=$?
cat build/fuzz-test.log
[ "$fuzz_status" -eq 0 ] || { echo "FAIL: the fuzzer found something"; exit 1; }
echo "== all tests passed"
