#!/usr/bin/env bash
# What a screen reader hears: the real program on an X server of its own, with the
# accessibility bus of a D-Bus session of its own, read through AT-SPI by pyatspi.
#
# usage: accessibility_test.sh <fenwake executable>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${FENWAKE_IN_SESSION:-}" ]; then
    exec env FENWAKE_IN_SESSION=1 "$here/../support/with_xvfb.sh" \
        dbus-run-session -- "$0" "$@" 2> >(grep -Ev 'dbus-daemon|SpiRegistry|X connection' >&2)
fi

program=$1
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state
export XDG_DATA_HOME=$work/data
unset LANGUAGE LC_ALL LC_MESSAGES
mkdir -p "$XDG_CONFIG_HOME/Kestrova" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n' \
    >"$work/stored.conf"

# Debian's own Python: pyatspi comes from the system's packages.
for language in C de_DE; do
    settings_file=$XDG_CONFIG_HOME/Kestrova/fenwake.conf
    cp "$work/stored.conf" "$settings_file"
    LANG=$language.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$work/stderr" &
    pid=$!
    /usr/bin/python3 "$here/accessibility_check.py" "${language%_*}"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
done
