#!/usr/bin/env bash
# A real full file system: a small tmpfs, filled to the last page, so that the new settings
# cannot be written. The old file must stay byte for byte, the failure
# must be said once, and the value must be stored by the first write after room is made.
# Runs in a user and mount namespace of its own, so it needs no privileges and mounts nothing
# outside.
#
# usage: full_disk_test.sh <settings_writer executable>
set -euo pipefail

if [ -z "${FENWAKE_IN_NAMESPACE:-}" ]; then
    exec env FENWAKE_IN_NAMESPACE=1 unshare --user --map-root-user --mount "$0" "$@"
fi

writer=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
disk=$(mktemp -d)
mount -t tmpfs -o size=256k tmpfs "$disk"
export XDG_CONFIG_HOME=$disk/config XDG_STATE_HOME=$disk/state
settings=$XDG_CONFIG_HOME/Kestrova/settings_writer.conf
mkdir -p "$(dirname "$settings")"
original=$'[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n'
printf '%s' "$original" >"$settings"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Fill every page: the lock, an empty file, still fits; the new data does not.
dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null || true

coproc WRITER { "$writer" serve 2>"$log"; }
store() {
    echo "$1 $2" >&"${WRITER[1]}"
    read -r answer <&"${WRITER[0]}"
}

store Waist 35.00
case "$answer" in
"trouble: settings not saved: cannot write"*"No space left on device") ;;
*) fail "a full disk was not reported: $answer" ;;
esac
[ "$(cat "$settings"; echo .)" = "$original." ] || fail "the settings file changed on a full disk"
# The writer keeps trying in the background; between its tries nothing but the file and its lock
# (which stays, empty, for whoever waits on it) is there.
only_the_file() {
    for _ in $(seq 20); do
        [ "$(ls -A "$(dirname "$settings")" | tr '\n' ' ')" = "settings_writer.conf settings_writer.conf.lock " ] &&
            return 0
        sleep 0.1
    done
    return 1
}
only_the_file || fail "files were left behind"

store Height 71.00
[ "$(cat "$settings"; echo .)" = "$original." ] || fail "the settings file changed on a full disk"

rm "$disk/filler"
store Weight 81.00
[ "$answer" = "ok" ] || fail "with room again the write failed: $answer"
expected=$'[Settings]\nWaist=35.00\nWeight=81.00\nHeight=71.00\nMetric=0\nFemale=0\n'
[ "$(cat "$settings"; echo .)" = "$expected." ] || fail "not every pending value was stored"

eval "exec ${WRITER[1]}>&-"
wait
lines=$(grep -c '^fenwake: ' "$log" || true)
[ "$lines" -eq 1 ] || fail "the failure was said $lines times on standard error"
echo "a full disk leaves the settings file intact, is reported once, and loses nothing"
