#!/bin/sh
# 32-bit Wine for the tests of the 32-bit Tarnix.dll, kept in a Debian chroot:
# wine32 must stay off the host, where /usr/bin/wine would then pick the
# 32-bit loader. In the chroot's 64-bit (WoW64) prefixes the 64-bit parts of
# Wine (wineboot, services, the wineserver) run natively; the 32-bit programs
# (C:\windows\syswow64\regsvr32, cscript, cmd, 32-bit test clients) run
# natively where the kernel executes 32-bit code, and through qemu user-mode
# emulation (binfmt_misc) where it does not.
#
#   wine32-chroot.sh ensure
#       makes the chroot, or finishes a partial one, and makes 32-bit programs
#       runnable (the qemu handler, when the kernel needs one). Idempotent:
#       a complete chroot is found and reused.
#   wine32-chroot.sh run [--bind DIR]... -- PROGRAM [ARG...]
#       runs PROGRAM inside the chroot, with the DIRs visible at their own
#       paths, as the calling user. The mounts live in a private mount
#       namespace and vanish with its last process.
#   wine32-chroot.sh describe
#       one line: where the chroot is and how 32-bit code runs on this kernel.
#
# The chroot lives in $TARNIX_WINE32_HOME (default /var/cache/tarnix/wine32),
# outside every build folder, so that a new build reuses it. It needs root
# (debootstrap, mounts, binfmt_misc): as another user it asks sudo.
set -eu

home=${TARNIX_WINE32_HOME:-/var/cache/tarnix/wine32}
root=$home/root
self=$(realpath "$0")
here=$(dirname "$self")
# Bump when the recipe below changes, so that older chroots are finished anew.
recipe=1
preload_name=tarnix-wine32-preload.so
qemu_handler=tarnix-qemu-i386
binfmt=/proc/sys/fs/binfmt_misc
newline='
'

say() { echo "wine32-chroot: $*" >&2; }

# The Debian mirrors the host's own apt sources use for its release, as
# "URI SUITE" lines (the release, -updates and -security), from both the
# one-line and the deb822 formats.
host_debian_sources() {
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  {
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [ -f "$list" ] || continue
      sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$list" | awk '$1 == "deb" { print $2, $3 }'
    done
    for list in /etc/apt/sources.list.d/*.sources; do
      [ -f "$list" ] || continue
      awk 'function flush() {
             if (types ~ /(^| )deb( |$)/ && enabled != "no")
               for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) print uris[u], suites[s]
             types = ""; enabled = ""; nu = 0; ns = 0
           }
           /^[ \t]*$/ { flush(); next }
           /^#/ { next }
           { field = tolower($1); sub(/:$/, "", field) }
           field == "types" { $1 = ""; types = $0 }
           field == "enabled" { enabled = tolower($2) }
           field == "uris" { for (i = 2; i <= NF; i++) uris[++nu] = $i }
           field == "suites" { for (i = 2; i <= NF; i++) suites[++ns] = $i }
           END { flush() }' "$list"
    done
  } | awk -v release="$codename" \
      '$2 == release || $2 == release "-updates" || $2 == release "-security"' | sort -u
}

# A static i386 program that exits 0. Byte 8 of its ELF header (the ABI
# version, which the kernel ignores) is 1, so that no binfmt_misc handler for
# i386, ours included, takes it: it runs only where the kernel runs 32-bit code.
probe=$home/probe32
make_probe() {
  [ -x "$probe" ] && return 0
  mkdir -p "$home"
  printf 'void _start(void) { __asm__ volatile("movl $1, %%eax\\n\\txorl %%ebx, %%ebx\\n\\tint $0x80"); }\n' \
    > "$home/probe32.c"
  gcc -m32 -nostdlib -ffreestanding -static -o "$probe.new" "$home/probe32.c"
  printf '\001' | dd of="$probe.new" bs=1 seek=8 conv=notrunc status=none
  mv "$probe.new" "$probe"
}

kernel_runs_32_bit() {
  "$probe" 2>/dev/null
}

# Registers qemu-i386 for i386 programs, with the F flag so that the
# interpreter is opened now and works inside the chroot.
register_qemu() {
  [ -d "$binfmt" ] || mkdir -p "$binfmt"
  [ -f "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
  [ -f "$binfmt/$qemu_handler" ] && return 0
  qemu=/usr/bin/qemu-i386-static
  [ -x "$qemu" ] || { say "$qemu is missing: install qemu-user-static"; exit 1; }
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':%s:M::%s:%s:%s:F\n' "$qemu_handler" "$magic" "$mask" "$qemu" > "$binfmt/register"
}

# Runs a command inside the chroot with /proc and /dev, in a mount namespace
# of its own.
in_chroot() {
  unshare --mount --propagation private -- "$self" enter -- "$@"
}

debootstrap_root() {
  [ -f "$home/debootstrap.done" ] && return 0
  mirror=$(host_debian_sources | awk -v release="$(. /etc/os-release && echo "$VERSION_CODENAME")" \
                                      '$2 == release { print $1; exit }')
  [ -n "$mirror" ] || { say "no Debian mirror for this release in the host's apt sources"; exit 1; }
  if [ -e "$root" ]; then
    # Only a root this script began is removed and begun again.
    [ -f "$home/debootstrap.started" ] || { say "$root exists and was not made here: move it away"; exit 1; }
    rm -rf "$root"
  fi
  say "debootstrap into $root from $mirror (a few minutes, once)"
  touch "$home/debootstrap.started"
  debootstrap --variant=minbase --arch=amd64 "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
    "$root" "$mirror" > "$home/debootstrap.log" 2>&1 ||
    { tail -n 20 "$home/debootstrap.log" >&2; say "debootstrap failed; its log: $home/debootstrap.log"; exit 1; }
  touch "$home/debootstrap.done"
}

install_wine() {
  [ -f "$home/wine.done" ] && return 0
  host_debian_sources | awk '{ print "deb", $1, $2, "main" }' > "$root/etc/apt/sources.list"
  say "installing wine, wine32:i386 and wine64 in the chroot"
  in_chroot /bin/sh -c '
    set -e
    export DEBIAN_FRONTEND=noninteractive
    dpkg --add-architecture i386
    apt-get update -q
    apt-get install -y -q --no-install-recommends wine wine32:i386 wine64
    apt-get clean' > "$home/wine.log" 2>&1 ||
    { tail -n 20 "$home/wine.log" >&2; say "installing Wine failed; its log: $home/wine.log"; exit 1; }
  touch "$home/wine.done"
}

# The preload library (see wine32-preload.c) and an empty 64-bit twin at the
# same $LIB path, so that LD_PRELOAD also loads cleanly into 64-bit processes.
install_preload() {
  lib32=$root/usr/local/lib/i386-linux-gnu
  lib64=$root/usr/local/lib/x86_64-linux-gnu
  [ "$here/wine32-preload.c" -nt "$lib32/$preload_name" ] || [ ! -f "$lib64/$preload_name" ] || return 0
  mkdir -p "$lib32" "$lib64"
  gcc -m32 -nostdlib -ffreestanding -shared -fPIC -O2 -o "$lib32/$preload_name" "$here/wine32-preload.c"
  printf '/* Nothing: only 32-bit processes need the preload. */\n' > "$home/empty.c"
  gcc -nostdlib -shared -fPIC -o "$lib64/$preload_name" "$home/empty.c"
}

ensure() {
  if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env "$self" ensure
  fi
  mkdir -p "$home"
  exec 9>"$home/lock"
  flock 9
  make_probe
  kernel_runs_32_bit || register_qemu
  if [ "$(cat "$home/ready" 2>/dev/null)" != "$recipe" ]; then
    rm -f "$home/ready"
    debootstrap_root
    install_wine
    echo "$recipe" > "$home/ready"
    say "ready: $root"
  fi
  install_preload
}

run() {
  [ "$(cat "$home/ready" 2>/dev/null)" = "$recipe" ] ||
    { say "no complete chroot in $root: run '$self ensure' first"; exit 1; }
  if [ "$(id -u)" -ne 0 ]; then
    exec sudo -n --preserve-env "$self" run "$@"
  fi
  binds=""
  while [ $# -gt 0 ]; do
    case "$1" in
      --bind)
        dir=$(realpath "$2")
        case "$root/" in
          "${dir%/}/"*) say "cannot show $dir inside the chroot: it holds the chroot"; exit 2 ;;
        esac
        binds="$binds$dir$newline"
        shift 2 ;;
      --) shift; break ;;
      *) say "run: unexpected $1"; exit 2 ;;
    esac
  done
  preload=""
  if ! kernel_runs_32_bit; then
    register_qemu
    preload='/usr/local/$LIB/'$preload_name
  fi
  TARNIX_WINE32_PRELOAD=$preload TARNIX_WINE32_BINDS=$binds \
    exec unshare --mount --propagation private -- "$self" enter -- "$@"
}

# Inside the new mount namespace: mounts, then the program in the chroot as
# the user who asked (sudo's caller, or root).
enter() {
  [ "$1" = "--" ] && shift
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  IFS=$newline
  for dir in ${TARNIX_WINE32_BINDS:-}; do
    mkdir -p "$root$dir"
    mount --rbind "$dir" "$root$dir"
  done
  unset IFS
  user=${SUDO_UID:-0}:${SUDO_GID:-0}
  [ -d "$root${HOME:-/nonexistent}" ] || HOME=/tmp
  exec chroot --userspec="$user" "$root" /usr/bin/env \
    PATH=/usr/local/bin:/usr/bin:/bin HOME="$HOME" \
    ${TARNIX_WINE32_PRELOAD:+LD_PRELOAD=$TARNIX_WINE32_PRELOAD} "$@"
}

describe() {
  if kernel_runs_32_bit; then how="32-bit code runs natively"; else how="32-bit code runs through qemu-i386"; fi
  echo "32-bit Wine in the chroot $root; $how"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
  ensure) ensure ;;
  run) run "$@" ;;
  enter) enter "$@" ;;
  describe) describe ;;
  *) echo "usage: wine32-chroot.sh ensure | run [--bind DIR]... -- PROGRAM [ARG...] | describe" >&2; exit 2 ;;
esac
