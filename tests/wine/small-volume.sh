#!/bin/sh
# A volume too small for the copies made onto it: a 2 MiB tmpfs, for the
# test that a copy failing midway leaves nothing behind. Mounting needs root;
# without it there is no volume and that test says it skipped.
#   small-volume.sh mount DIR | unmount DIR
set -u
action=$1
dir=$2
case "$action" in
  mount)
    mkdir -p "$dir"
    mountpoint -q "$dir" && exit 0
    if [ "$(id -u)" -ne 0 ]; then
      echo "not root: no small volume at $dir, the test that copies onto it will skip"
      exit 0
    fi
    exec mount -t tmpfs -o size=2m,mode=0755 tarnix-small-volume "$dir"
    ;;
  unmount)
    if mountpoint -q "$dir"; then umount -l "$dir"; fi
    exit 0
    ;;
  *)
    echo "usage: small-volume.sh mount|unmount DIR" >&2
    exit 2
    ;;
esac
