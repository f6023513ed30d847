#!/bin/sh
# Installs, with apt-get, whatever this machine lacks to build and test Tarnix
# (Debian 12). Does nothing when everything is present.
set -eu

# debootstrap and qemu-user-static make and run the chroot of the 32-bit
# Wine (cmake/wine32-chroot.sh); clang and its runtime build the fuzzer;
# wixl (msitools) and zip make the release packages, unzip tests them.
packages="cmake ninja-build ccache g++ libgtest-dev googletest libbenchmark-dev \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools \
  wine wine64 libwine-dev icoutils debootstrap qemu-user-static clang libclang-rt-14-dev \
  wixl zip unzip"

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
  esac
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and this user cannot install them:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# wine32 is left out on purpose: with it, /usr/bin/wine picks the 32-bit
# loader, which these machines cannot run. The 32-bit Wine lives in a chroot.
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q $missing
