#!/usr/bin/env bash
# A person's session on a real X server (Xvfb), driven with real X input through xdotool:
# type the measurements, tick the boxes, open and close About through the Tools menu from
# the keyboard, close the window, start again. The settings file is checked after every
# step, and screenshots of the main window (imperial and metric) and of the About box are
# left for people to see.
#
# Then the settings under trouble: a lock held by another process while a value is typed (the
# last try as the window closes must store it), and a settings path that cannot be written
# with standard error closed (the window must go on repainting).
#
# usage: real_display_test.sh <fenwake executable> <screenshot folder> <settings_writer>
set -euo pipefail

if [ -z "${FENWAKE_UNDER_XVFB:-}" ]; then
    exec env FENWAKE_UNDER_XVFB=1 "$(dirname "$0")/../support/with_xvfb.sh" -screen 1024x768x24 \
        "$0" "$@"
fi

program=$1
screenshots=$2
writer=$3
mkdir -p "$screenshots"
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Kestrova/fenwake.conf

fail() {
    echo "FAILED: $*" >&2
    echo "settings file:" >&2
    cat "$settings" >&2 2>/dev/null || echo "(none)" >&2
    exit 1
}

# Waits up to five seconds for the settings file to hold exactly these lines.
expect_settings() {
    local expected
    expected=$(printf '%s\n' "[Settings]" "$@")
    for _ in $(seq 50); do
        [ "$(cat "$settings" 2>/dev/null)" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "expected settings: $*"
}

expect_no_settings() {
    [ ! -e "$settings" ] || fail "the settings file was written"
}

start() {
    if [ "${1:-}" = "without-stderr" ]; then
        "$program" 2>&- &
    else
        "$program" &
    fi
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Fenwake$' | head -1 || true)
    [ -n "$window" ] || fail "no main window"
    xdotool windowfocus --sync "$window"
    sleep 0.3
}

stop_with_escape() {
    xdotool windowfocus --sync "$window" key Escape
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "fenwake ended with status $status"
}

keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 80 "$1"; }

# First run: nothing stored, and opening stores nothing.
start
expect_no_settings

# The focus starts on Female; Tab leads to the waist, the weight, and on to the height.
keys Tab
type_text 3
expect_settings "Waist=3.00"
type_text 4
expect_settings "Waist=34.00"
keys Tab
type_text 180
expect_settings "Waist=34.00" "Weight=180.00"
keys Tab Tab Tab
type_text 70
expect_settings "Height=70.00" "Waist=34.00" "Weight=180.00"
import -window "$window" "$screenshots/main-imperial.png"

# Back to Metric (height, list, Metric) and tick it: all four values change together.
keys shift+Tab shift+Tab space
expect_settings "Height=179.20" "Metric=1" "Waist=87.04" "Weight=81.82"
sleep 0.2
import -window "$window" "$screenshots/main-metric.png"

# Female, three stops back, ticked and cleared: only Female is written.
keys shift+Tab shift+Tab shift+Tab space
expect_settings "Female=1" "Height=179.20" "Metric=1" "Waist=87.04" "Weight=81.82"
keys space
expect_settings "Female=0" "Height=179.20" "Metric=1" "Waist=87.04" "Weight=81.82"

# Metric cleared again: the first figures come back.
keys Tab Tab Tab space
expect_settings "Female=0" "Height=70.00" "Metric=0" "Waist=34.00" "Weight=180.00"
stored=$(cat "$settings")

# Tools > About from the keyboard, as desktop users reach menus: Alt+T opens the pop-up, A
# chooses About. Each key waits for the window it is meant for.
popups_before=$(xdotool search --onlyvisible --class fenwake | wc -l)
keys alt+t
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -gt "$popups_before" ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -gt "$popups_before" ] ||
    fail "Alt+T did not open the Tools menu"
keys a
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -1)
[ -n "$about" ] || fail "no About box"
sleep 0.2
import -window "$about" "$screenshots/about.png"
xdotool windowfocus --sync "$about" key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^About$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^About$' >/dev/null && fail "the About box stayed open"
[ "$(cat "$settings")" = "$stored" ] || fail "About changed the settings"

stop_with_escape
[ "$(cat "$settings")" = "$stored" ] || fail "closing changed the settings"

# Second run: opens on the stored values without writing; ticking Metric converts exactly
# those values, which shows the fields held 34, 180 and 70.
start
sleep 0.3
[ "$(cat "$settings")" = "$stored" ] || fail "opening changed the settings"
keys Tab Tab Tab space
expect_settings "Female=0" "Height=179.20" "Metric=1" "Waist=87.04" "Weight=81.82"
stop_with_escape

# Third run: another program holds the lock while the waist is typed. Nothing can be stored
# then, but the window's last try as it closes stores it once the lock is free.
stored=$(cat "$settings")
coproc HOLDER { "$writer" hold "$settings"; }
read -r held <&"${HOLDER[0]}"
[ "$held" = "held" ] || fail "the lock was not taken"
start
keys Tab
type_text 5
sleep 0.5
[ "$(cat "$settings")" = "$stored" ] || fail "a value was stored under another program's lock"
import -window "$window" "$screenshots/main-not-saved.png"
eval "exec ${HOLDER[1]}>&-"
wait "$HOLDER_PID"
stop_with_escape
grep -qx "Waist=5.00" "$settings" || fail "the last try at closing did not store the waist"

# Fourth run: standard error closed and a folder where the settings file should be, so the
# first write fails and says so. The window must keep repainting: typing changes the list.
rm -f "$settings"
mkdir "$settings"
start without-stderr
keys Tab
type_text 3
import -window "$window" "$work/before.png"
type_text 4
# Waits up to ten seconds for the window to show the new figures.
repainted=
for _ in $(seq 50); do
    import -window "$window" "$work/after.png"
    difference=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
    [ "${difference%% *}" != "0" ] && repainted=yes && break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null || fail "fenwake died with standard error closed"
[ -n "$repainted" ] || fail "the window stopped repainting with standard error closed"
stop_with_escape

echo "real-display session passed; screenshots in $screenshots"
