#!/usr/bin/env bash
# A history on a real small file system: an import too large for it is given up with its
# reason, gives back the room it took, and the entries added after it are kept. Runs in a user
# and mount namespace of its own, so it needs no privileges and mounts nothing outside.
#
# usage: history_full_disk_test.sh <history_writer executable>
set -euo pipefail

if [ -z "${FENWAKE_IN_NAMESPACE:-}" ]; then
    exec env FENWAKE_IN_NAMESPACE=1 unshare --user --map-root-user --mount "$0" "$@"
fi

writer=$1
disk=$(mktemp -d)
work=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$disk" "$work"' EXIT
mount -t tmpfs -o size=4m tmpfs "$disk"
history=$disk/history.sqlite

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# A hundred thousand entries, some 6 MB of CSV: more than the disk holds as a history.
python3 - "$work/large.csv" <<'PYTHON'
import sys
with open(sys.argv[1], "w") as out:
    out.write("Date and time,Units,Female,Waist,Weight,Height\r\n")
    for day in range(100000):
        out.write(f"2000-01-01T00:00Z,metric,no,{80 + day / 1000},{70 + day / 7000},170\r\n"
                  .replace("2000-01-01T00:00Z", f"{2000 + day // 365:04d}-01-01T{day % 24:02d}:00Z"))
PYTHON

HISTORY_IMPORT=$work/large.csv "$writer" "$history" 0 2 3000 20000 >"$work/out"
cat "$work/out"
grep -q "^not imported the disk of %1 has room for about %2 of these %3 entries" "$work/out" ||
    fail "the import was not given up for the room"
[ "$(grep -c '^kept ' "$work/out")" -eq 2 ] || fail "the entries added after the import were not kept"
grep -q "^unmade 0 0" "$work/out" || fail "the end says something was not kept"
# The room the import took is given back: the log holds no more than the two entries need.
log_size=$(stat -c %s "$history-wal" 2>/dev/null || echo 0)
[ "$log_size" -lt 200000 ] || fail "the log still takes $log_size bytes"
echo "an import too large for the disk was given up, and the entries after it were kept"

# The disk filling up in the middle of an import that looked as if it would fit (strace makes
# the writes fail for a while, as another program filling the disk would): the import is given
# up with what SQLite said, and the entries added after it are kept once the disk takes them.
head -5001 "$work/large.csv" >"$work/medium.csv"
rm -f "$history" "$history-wal" "$history-shm"
HISTORY_IMPORT=$work/medium.csv ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -o /dev/null -e trace=pwrite64 -e inject=pwrite64:error=ENOSPC:when=40..44 \
    "$writer" "$history" 10 2 3000 20000 >"$work/out"
cat "$work/out"
grep -q "^not imported cannot write %1: %2" "$work/out" || fail "a disk that filled up was not said"
[ "$(grep -c '^kept ' "$work/out")" -eq 2 ] || fail "the entries after a failed import were not kept"
echo "an import that met a full disk was given up, and the entries after it were kept"
