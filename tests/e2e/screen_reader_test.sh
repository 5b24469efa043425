#!/usr/bin/env bash
# What a blind person hears: Debian's screen reader, Orca, run for real on an X server and a
# D-Bus session of their own, with its debug log recording every "SPEECH OUTPUT". The waist is
# typed and Female ticked with real keys; Orca must say the new fat percentage with its rating
# and the body mass index with its category each time, for the last figures only, and say so
# when the waist holds no number, all while the focus stays where it is.
#
# usage: screen_reader_test.sh <fenwake executable>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${FENWAKE_IN_SESSION:-}" ]; then
    exec env FENWAKE_IN_SESSION=1 "$here/../support/with_xvfb.sh" \
        dbus-run-session -- "$0" "$@" 2> >(grep -Ev 'dbus-daemon|SpiRegistry|X connection' >&2)
fi

program=$1
# shellcheck source=../support/fenwake_session.sh
. "$here/../support/fenwake_session.sh"
export HOME=$work/home
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher"
printf '[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\nMetric=0\nFemale=0\n' >"$settings"
# Orca speaks through speech-dispatcher, which it starts itself; a machine without a sound card
# gets ALSA's null device, so that speech-dispatcher's own test module runs and Orca's whole
# speech path with it.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
printf 'AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
log=$work/orca.log
orca_pid=
# Orca refuses to start while another Orca of the user runs, so this one is gone before the
# script ends.
stop_orca() {
    if [ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null; then
        for _ in $(seq 50); do
            kill -0 "$orca_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$orca_pid" 2>/dev/null || true
    fi
    local speech=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
    [ -f "$speech" ] && kill "$(cat "$speech")" 2>/dev/null || true
}
trap 'stop_orca; cleanup' EXIT

# Waits up to twenty seconds for Orca to have said this.
heard() {
    for _ in $(seq 100); do
        grep -qF "SPEECH OUTPUT: '$1" "$log" 2>/dev/null && return 0
        sleep 0.2
    done
    echo "Orca said:" >&2
    grep "SPEECH OUTPUT" "$log" >&2 || true
    echo "the end of its log:" >&2
    tail -5 "$log" >&2 || true
    echo "its output:" >&2
    cat "$work/orca.out" >&2
    kill -0 "$orca_pid" 2>/dev/null || echo "(Orca has ended)" >&2
    fail "Orca did not say: $1"
}

# Started here and waited for, rather than left to Orca to start in the background.
speech-dispatcher --spawn --timeout 0 >"$work/speech.out" 2>&1 ||
    fail "speech-dispatcher did not start: $(cat "$work/speech.out")"
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.1
done
/usr/bin/python3 "$here/orca_with_live_log.py" "$log" >"$work/orca.out" 2>&1 &
orca_pid=$!
heard "Screen reader on."
start
heard "Female check box not checked."

keys Tab
type_text 35
heard "notification Fat Percentage 17.82 %, High; Body Mass Index 25.82, Overweight"
keys shift+Tab space
heard "notification Fat Percentage 29.85 %, High; Body Mass Index 25.82, Overweight"
keys Tab
type_text x
heard "notification Waist: enter a number. The figures are those of the last valid entry."
# Typed quickly, the waist was 3 before it was 35: those figures are never said.
if grep -qF "Fat Percentage -55.96" "$log"; then
    fail "Orca was given the figures of a waist of 3, which lasted a keystroke"
fi
# Into the list and down its rows: each row is read, name, figure, unit, as it becomes current.
keys Tab Tab Tab
heard "Results."
keys Down
heard "Fat Body Mass."
keys Down
heard "Lean Body Mass."
# The main window is an application's frame: nothing Orca says calls it a dialog.
if grep -q "SPEECH OUTPUT: 'Fenwake dialog" "$log"; then
    fail "Orca calls the main window a dialog: $(grep 'dialog' "$log" | head -3)"
fi
# Nothing is added to the history while the waist holds no number; two entries are, once it
# does, each said once it is on disk; then the History window, its chart and its rows.
keys ctrl+d
heard "notification Nothing was added to the history. Waist: enter a number."
keys shift+Tab shift+Tab shift+Tab ctrl+a
# The same figures were said before: wait for them to be said again, so that the entry's
# announcement does not come in the very moment the figures' does.
figures_said=$(grep -c "SPEECH OUTPUT: 'notification Fat Percentage 29.85 %" "$log" || true)
type_text 35
for _ in $(seq 100); do
    [ "$(grep -c "SPEECH OUTPUT: 'notification Fat Percentage 29.85 %" "$log" || true)" \
        -gt "$figures_said" ] && break
    sleep 0.2
done
keys ctrl+d
heard "notification Kept in the history: "
sleep 1.2
keys ctrl+d
sleep 0.5
keys ctrl+h
# The window's summary line is read as it opens, then the chart.
heard "Fenwake History dialog Still collecting the early trend"
heard "Fat percentage and weight over time chart"
# Past the span buttons to the table.
keys Tab Tab Tab Tab Tab
heard "Entries, newest first"
# Down to the older entry: its row is read, its figures and what kind of entry it is.
before=$(grep -c "SPEECH OUTPUT: 'A woman's entry." "$log" || true)
keys Down
for _ in $(seq 50); do
    [ "$(grep -c "SPEECH OUTPUT: 'A woman's entry." "$log" || true)" -gt "$before" ] && break
    sleep 0.2
done
[ "$(grep -c "SPEECH OUTPUT: 'A woman's entry." "$log" || true)" -gt "$before" ] ||
    fail "Orca read no row of the history as the Down key reached it"
heard "Fat 29.85 %"
heard "Category Overweight"
# A file LibreOffice wrote in German (semicolons, decimal commas, day-first dates, German
# headings): the look before the import is read whole, and so is the line it could not read.
cp "$here/libreoffice_german.csv" "$work/verlauf.csv"
keys alt+i
heard "Import into the History dialog"
sleep 0.5
type_text "$work/verlauf.csv"
keys Return
heard "Import dialog verlauf.csv holds 3 entries, from 1 March 2026 to 3 March 2026. Its measurements are in centimetres and kilograms. 1 line was not read"
keys Tab
heard "Line 5: Waist “zweiundneunzig” is not a number."
keys Escape
grep "SPEECH OUTPUT: 'notification" "$log" | sed 's/^.*SPEECH OUTPUT: //'
echo "Orca says the figures as they change, each row of the list as it is reached, and the history's"
