#!/bin/sh
# Runs one Wine test step in this build's private prefix, with the programs
# of SYSTEM (C:\windows\system32 or, for the 32-bit DLL, C:\windows\syswow64).
#   wine-test.sh WINE_RUN SYSTEM register DLL        regsvr32 the DLL
#   wine-test.sh WINE_RUN SYSTEM unregister DLL      regsvr32 /u the DLL
#   wine-test.sh WINE_RUN SYSTEM script WORK HARNESS BODY FOOTER [FOLDER...]
#       joins harness, body and footer into one script beside the empty
#       folder WORK, runs it with cscript (the Windows paths of WORK and of
#       the FOLDERs are its arguments) and passes only when the script ends
#       with "N passed, 0 failed" and exit code 0: cscript under Wine exits
#       0 and prints nothing on an uncaught error.
#   wine-test.sh WINE_RUN SYSTEM full-volume DIR WORK HARNESS BODY FOOTER
#       the script step with the small volume mounted at DIR (see
#       small-volume.sh) as drive T: of the prefix, then checks from outside
#       that the volume holds nothing but old.bin; skips when DIR is no mount.
set -u
wine_run=$1
system=$2
step=$3
shift 3

windows_path() {  # Wine's Z: drive is the Unix root
  printf 'Z:%s' "$1" | tr '/' '\\'
}

case "$step" in
  register)
    exec "$wine_run" "$system\\regsvr32.exe" /s "$(windows_path "$1")"
    ;;
  unregister)
    exec "$wine_run" "$system\\regsvr32.exe" /u /s "$(windows_path "$1")"
    ;;
  full-volume)
    dir=$1
    shift
    if ! mountpoint -q "$dir"; then
      echo "SKIPPED: the copy onto a full volume needs the small tmpfs at $dir, which only root can mount"
      exit 0
    fi
    rm -rf "${dir:?}"/* "$dir"/.[!.]*
    ln -sfn "$dir" "$(dirname "$wine_run")/wineprefix/dosdevices/t:"
    "$0" "$wine_run" "$system" script "$@" 'T:\' || exit 1
    left=$(ls -A "$dir")
    [ "$left" = old.bin ] || { echo "the volume holds: $left"; exit 1; }
    ;;
  script)
    work=$1 harness=$2 body=$3 footer=$4
    shift 4
    rm -rf "$work"
    mkdir -p "$work"
    script="$work.${body##*.}"
    cat "$harness" "$body" "$footer" > "$script"
    set -- "$(windows_path "$work/")" "$@"
    for folder in "$@"; do  # every argument becomes a Windows path
      shift
      case "$folder" in
        /*) set -- "$@" "$(windows_path "$folder")" ;;
        *) set -- "$@" "$folder" ;;
      esac
    done
    output=$("$wine_run" "$system\\cscript.exe" //nologo "$(windows_path "$script")" "$@" 2>&1)
    status=$?
    printf '%s\n' "$output" | tr -d '\r'
    last=$(printf '%s\n' "$output" | tr -d '\r' | grep -v '^$' | tail -n 1)
    case "$last" in
      *" passed, 0 failed") ;;
      *) echo "the script did not end with its summary line, or some checks failed"; exit 1 ;;
    esac
    [ "$status" -eq 0 ] || { echo "cscript exited with $status"; exit 1; }
    ;;
  *)
    echo "unknown step: $step" >&2
    exit 2
    ;;
esac
