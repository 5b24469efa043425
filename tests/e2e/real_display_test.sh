#!/usr/bin/env bash
# A person's session on a real X server (Xvfb), driven with real X input through xdotool:
# type the measurements, tick the boxes, open and close About through the Tools menu from
# the keyboard, close the window, start again. The settings file is checked after every
# step, and screenshots of the main window (imperial and metric) and of the About box are
# left for people to see.
#
# Then the settings under trouble: a lock held by another process while a value is typed (it
# must be stored once the lock is free), and a settings path that cannot be written with
# standard error closed (the window must go on repainting).
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
# shellcheck source=../support/fenwake_session.sh
. "$(dirname "$0")/../support/fenwake_session.sh"

expect_no_settings() {
    [ ! -e "$settings" ] || fail "the settings file was written"
}

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
expect_settings "Waist=34.00" "Weight=180.00" "Height=70.00"
import -window "$window" "$screenshots/main-imperial.png"

# Back to Metric (height, list, Metric) and tick it: all four values change together.
keys shift+Tab shift+Tab space
expect_settings "Waist=87.04" "Weight=81.82" "Height=179.20" "Metric=1"
sleep 0.2
import -window "$window" "$screenshots/main-metric.png"

# Female, three stops back, ticked and cleared: only Female is written.
keys shift+Tab shift+Tab shift+Tab space
expect_settings "Waist=87.04" "Weight=81.82" "Height=179.20" "Metric=1" "Female=1"
keys space
expect_settings "Waist=87.04" "Weight=81.82" "Height=179.20" "Metric=1" "Female=0"

# Metric cleared again: the first figures come back.
keys Tab Tab Tab space
expect_settings "Waist=34.00" "Weight=180.00" "Height=70.00" "Metric=0" "Female=0"
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

# Into the list and down two rows: the rows the focus left are drawn without their frame, as
# the whole window drawn anew (after a resize) shows them.
keys Tab Tab Tab Tab
keys Down Down
sleep 0.5
import -window "$window" "$work/moved.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowsize --sync "$window" $((WIDTH + 1)) "$HEIGHT"
sleep 0.3
xdotool windowsize --sync "$window" "$WIDTH" "$HEIGHT"
sleep 0.5
import -window "$window" "$work/redrawn.png"
left=$(compare -metric AE "$work/moved.png" "$work/redrawn.png" null: 2>&1 || true)
[ "${left%% *}" = "0" ] || fail "moving through the list left $left pixels of a frame behind"

# The Menu key opens the list's context menu; Escape closes it.
popups_before=$(xdotool search --onlyvisible --class fenwake | wc -l)
keys Menu
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -gt "$popups_before" ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -gt "$popups_before" ] ||
    fail "the Menu key opened no context menu in the list"
keys Escape

# Shift+F1 in the list explains the current row, where the list is, until the next key.
windows_before=$(xdotool search --onlyvisible --class fenwake | wc -l)
keys shift+F1
sleep 1
[ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -gt "$windows_before" ] ||
    fail "Shift+F1 showed no explanation, or it went before it could be read"
keys Up
sleep 0.3
[ "$(xdotool search --onlyvisible --class fenwake | wc -l)" -eq "$windows_before" ] ||
    fail "the explanation stayed after the next key"

# F1 opens the help beside the window, and Escape there closes the help alone.
keys F1
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^Fenwake Help$' | head -1)
[ -n "$help" ] || fail "F1 opened no help"
sleep 0.3
import -window "$help" "$screenshots/help.png"
xdotool windowfocus --sync "$help" key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Fenwake Help$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Fenwake Help$' >/dev/null && fail "Escape left the help open"
xdotool windowfocus --sync "$window"
keys shift+Tab shift+Tab shift+Tab shift+Tab
keys Tab Tab Tab space
expect_settings "Waist=87.04" "Weight=81.82" "Height=179.20" "Metric=1" "Female=0"
stop_with_escape

# Third run: another program holds the lock while the waist is typed. Nothing can be stored
# then, but it is stored as soon as the lock is free, without another key.
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
for _ in $(seq 50); do
    grep -qx "Waist=5.00" "$settings" && break
    sleep 0.1
done
grep -qx "Waist=5.00" "$settings" || fail "the waist was not stored once the lock was free"
stop_with_escape

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
