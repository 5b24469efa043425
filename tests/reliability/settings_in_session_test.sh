#!/usr/bin/env bash
# The real program on an X server of its own, typed into with xdotool, against a real slow
# disk and real signals:
#
#   slow-disk      every fsync and fdatasync made 300 ms slower by strace while "12345" is
#                  typed 150 ms a key: the window's thread syncs, locks and renames nothing
#                  and opens the settings file only once, at start, and the last value is on
#                  disk within a few seconds of the last key.
#   signal NAME    a value typed while another program holds the lock, then SIGNAME (TERM,
#                  INT or HUP, as the end of a desktop session or Ctrl+C sends): the program
#                  waits for the lock, writes the value, and only then ends, as the signal
#                  ends it. Held for good, the lock makes it give up after three seconds with
#                  one line on standard error, the file as it was.
#   signal-while-closing NAME
#                  the window closed while the lock is held, and SIGNAME while closing waits
#                  for it: the process still ends as the signal ends it.
#   closing-key KEYS
#                  a value typed while another program holds the lock, then Ctrl+Q or Ctrl+W:
#                  the window closes as with its close button, the value is written once the
#                  lock is free, and the program ends well.
#   size-on-signal NAME
#                  the window made larger, then SIGNAME: the size is kept as on closing.
#   standard-error stopped-terminal|pipe-without-reader
#                  standard error on a terminal whose output is stopped (Ctrl+S), or on a pipe
#                  whose reader has gone, while the lock is held so that there is trouble to
#                  tell: every key is still answered, the value is stored once the lock is
#                  free, and the process neither freezes nor dies of it; SIGTERM still ends it.
#   history-slow-disk
#                  every sync 300 ms slower: start-up leaves the history alone; three Ctrl+D
#                  and the History window, and the window's thread neither opens, writes nor
#                  syncs the history; the three entries are kept.
#   history-on-signal NAME
#                  every sync 200 ms slower (the history's first entry takes some ten): Ctrl+D,
#                  and SIGNAME at once: the entry is on disk when the process ends, as the
#                  signal ends it.
#
# usage: settings_in_session_test.sh <fenwake> <settings_writer> slow-disk|signal NAME|
#            signal-while-closing NAME|closing-key KEYS|size-on-signal NAME|standard-error END|
#            history-slow-disk|history-on-signal NAME
set -euo pipefail

if [ -z "${FENWAKE_UNDER_XVFB:-}" ]; then
    exec env FENWAKE_UNDER_XVFB=1 "$(dirname "$0")/../support/with_xvfb.sh" -screen 1024x768x24 \
        "$0" "$@"
fi

program=$1
writer=$2
mode=$3
# shellcheck source=../support/fenwake_session.sh
. "$(dirname "$0")/../support/fenwake_session.sh"

# Unless a case starts it otherwise, fenwake runs under a parent that tells how it ended.
launcher=(python3 "$(dirname "$0")/../support/report_end.py" "$work/ended")

stored=$'[Settings]\nWaist=34.00\nWeight=180.00\nHeight=70.00\n'
printf '%s' "$stored" >"$settings"

# The first field after Female is the waist: its text is selected by Tab, so typing replaces it.
type_into_waist() {
    keys Tab
    xdotool type --delay "$2" "$1"
}

slow_disk() {
    local trace=$work/trace
    # No session bus to start on its own either: strace would wait for it to end. A sanitizer
    # build's leak check cannot run under ptrace, and would end the program with status 1.
    launcher=(env DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
        strace -f -qq --seccomp-bpf -o "$trace"
        -e trace=openat,fsync,fdatasync,flock,rename,renameat,renameat2
        -e inject=fsync,fdatasync:delay_enter=300000)
    start
    type_into_waist 12345 150
    expect_settings "Waist=12345.00" "Weight=180.00" "Height=70.00"
    stop_with_escape

    # The main thread is the one that opened the first file, before any other thread existed.
    local main
    main=$(awk 'NR == 1 { print $1 }' "$trace")
    local waits
    waits=$(awk -v main="$main" '$1 == main && $2 ~ /^(fsync|fdatasync|flock|rename)/' "$trace")
    [ -z "$waits" ] || fail "the window's thread waited for the disk: $waits"
    local opens
    opens=$(awk -v main="$main" '$1 == main && /Kestrova\/fenwake\.conf"/' "$trace" | wc -l)
    [ "$opens" -eq 1 ] || fail "the window's thread opened the settings $opens times"
    grep -q "fdatasync.*DELAYED" "$trace" || fail "no sync was made slow: the test tested nothing"
    echo "a disk 300 ms slower a sync never made the window wait"
}

hold_lock() {
    coproc HOLDER { exec "$writer" hold "$settings"; }
    holder=$HOLDER_PID
    local held
    read -r held <&"${HOLDER[0]}"
    [ "$held" = "held" ] || fail "the lock was not taken"
}

let_go_of_lock() {
    eval "exec ${HOLDER[1]}>&-"
    wait "$holder" || true
}

# Whether fenwake has not yet ended (an ended child of ours stays a zombie until waited for).
still_running() {
    case "$(ps -o stat= -p "$pid" 2>/dev/null)" in
    "" | Z*) return 1 ;;
    *) return 0 ;;
    esac
}

# Sends the signal and waits for the end, ten seconds at most (a closing waits three for the
# disk); the status must be the signal's. Under strace the signal goes to fenwake itself, whose
# end strace passes on as its own.
end_with() {
    local target=$pid
    [ "${launcher[*]}" = "${launcher[*]#*strace}" ] || target=$(pgrep -P "$pid" -x fenwake)
    [ "${launcher[*]}" = "${launcher[*]#*report_end}" ] || target=$(pgrep -P "$pid" -x fenwake)
    kill -s "$1" "$target"
    for _ in $(seq 100); do
        still_running || break
        sleep 0.1
    done
    still_running && fail "SIG$1 did not end fenwake within ten seconds"
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq $((128 + $(kill -l "$1"))) ] || fail "SIG$1 ended fenwake with status $status"
    # Ended by the signal itself, as the session expects, not by an exit with its number.
    if [ "${launcher[*]}" != "${launcher[*]#*report_end}" ]; then
        [ "$(cat "$work/ended")" = "signal $(kill -l "$1")" ] ||
            fail "SIG$1 ended fenwake as $(cat "$work/ended"), not as the signal"
    fi
}

signal() {
    local name=$1
    hold_lock
    start
    type_into_waist 5 80
    wait_for_stderr "the file is locked by a running program"
    [ "$(cat "$settings"; echo .)" = "$stored." ] || fail "a value was stored under another program's lock"
    # The holder ends a second after the signal; the kernel lets go of its lock.
    (sleep 1 && kill "$holder") &
    local releaser=$!
    end_with "$name"
    wait "$releaser"
    wait "$holder" || true
    [ "$(cat "$settings")" = $'[Settings]\nWaist=5.00\nWeight=180.00\nHeight=70.00' ] ||
        fail "SIG$name ended fenwake before it wrote what was pending: $(cat "$work/stderr")"

    # A lock that stays held: after three seconds the value is given up, and said so once.
    hold_lock
    : >"$work/stderr"
    start
    type_into_waist 6 80
    wait_for_stderr "the file is locked by a running program"
    end_with "$name"
    let_go_of_lock
    grep -q 'Waist=5.00' "$settings" || fail "the file changed although the lock was held"
    [ "$(grep -c '^fenwake: closing without' "$work/stderr")" -eq 1 ] ||
        fail "giving up was not said once: $(cat "$work/stderr")"
    echo "SIG$name wrote what was pending first, and gave up after three seconds when it could not"
}

signal_while_closing() {
    local name=$1
    hold_lock
    start
    type_into_waist 6 80
    wait_for_stderr "the file is locked by a running program"
    keys Escape
    # The window is gone; the process waits for the writer.
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name '^Fenwake$' 2>/dev/null)" ] && break
        sleep 0.1
    done
    end_with "$name"
    let_go_of_lock
    [ "$(grep -c '^fenwake: closing without' "$work/stderr")" -eq 1 ] ||
        fail "giving up was not said once: $(cat "$work/stderr")"
    echo "SIG$name while closing still ended fenwake as SIG$name"
}

closing_key() {
    local key=$1
    hold_lock
    start
    type_into_waist 7 80
    wait_for_stderr "the file is locked by a running program"
    # The holder ends a second after the key; the kernel lets go of its lock.
    (sleep 1 && kill "$holder") &
    local releaser=$!
    xdotool key "$key"
    local status=0
    wait "$pid" || status=$?
    pid=
    wait "$releaser"
    wait "$holder" || true
    [ "$status" -eq 0 ] || fail "$key ended fenwake with status $status"
    [ "$(cat "$settings")" = $'[Settings]\nWaist=7.00\nWeight=180.00\nHeight=70.00' ] ||
        fail "$key ended fenwake before it wrote what was pending"
    echo "$key closed the window and wrote what was pending first"
}

size_on_signal() {
    local name=$1 state=$XDG_STATE_HOME/Kestrova/fenwake.state
    start
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local width=$((WIDTH + 120)) height=$((HEIGHT + 80))
    xdotool windowsize --sync "$window" "$width" "$height"
    sleep 0.3
    end_with "$name"
    grep -qx "Width=$width" "$state" && grep -qx "Height=$height" "$state" ||
        fail "the size was not kept on SIG$name: $(cat "$state" 2>/dev/null)"
    echo "SIG$name kept the window's size, ${width}x$height"
}

standard_error() {
    local end=$1
    hold_lock
    launcher=(python3 "$(dirname "$0")/../support/standard_error_as.py" "$end")
    start
    # The writer says its trouble a quarter of a second after the lock first stood in its way.
    type_into_waist 5 80
    sleep 0.7
    type_text 6
    sleep 0.3
    kill -0 "$pid" 2>/dev/null || fail "fenwake died of its standard error ($end)"
    let_go_of_lock
    expect_settings "Waist=56.00" "Weight=180.00" "Height=70.00"
    end_with TERM
    echo "standard error on a $end held nothing up"
}

# How many entries the history holds, read as another program reads it.
history_count() {
    sqlite3 "file:$history?mode=ro" 'SELECT count(*) FROM entries' 2>/dev/null || echo 0
}

expect_history_count() {
    for _ in $(seq 100); do
        [ "$(history_count)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the history holds $(history_count) entries, not $1"
}

slow_history() {
    launcher=(env DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
        strace -f -qq --seccomp-bpf -o "$work/trace"
        -e trace=openat,fsync,fdatasync,pwrite64,write
        -e inject=fsync,fdatasync:delay_enter="$1")
}

history_slow_disk() {
    slow_history 300000
    start
    [ -e "$XDG_DATA_HOME" ] && fail "start-up touched the history's folder"
    keys ctrl+d ctrl+d ctrl+d
    keys ctrl+h
    expect_history_count 3
    end_with TERM
    local main
    main=$(awk 'NR == 1 { print $1 }' "$work/trace")
    local waits
    waits=$(awk -v main="$main" '$1 == main && $2 ~ /^(fsync|fdatasync|pwrite64)/' "$work/trace")
    [ -z "$waits" ] || fail "the window's thread waited for the disk: $waits"
    awk -v main="$main" '$1 == main && /history\.sqlite/' "$work/trace" | grep -q . &&
        fail "the window's thread opened the history"
    grep -q "history.sqlite" "$work/trace" || fail "nobody opened the history: the test tested nothing"
    echo "a history on a slow disk never made the window wait"
}

history_on_signal() {
    slow_history 200000
    start
    keys ctrl+d
    # The entry's commit is under way, its sync made slow.
    for _ in $(seq 100); do
        grep -q "DELAYED" "$work/trace" 2>/dev/null && break
        sleep 0.1
    done
    end_with "$1"
    [ "$(history_count)" = 1 ] || fail "SIG$1 ended fenwake before the entry was kept: $(cat "$work/stderr")"
    echo "SIG$1 kept the entry first"
}

# What cannot be kept is said at the end, however the session ends: an entry the history can
# never take (a folder stands at its path), and one it could not take in time (another program
# holds the history's lock past the end's three seconds).
history_not_kept_on_signal() {
    local name=$1
    mkdir -p "$history"
    start
    keys ctrl+d ctrl+d
    wait_for_stderr "a change of the history is given up"
    end_with "$name"
    grep -q "^fenwake: 2 of the history's entries were not kept (" "$work/stderr" ||
        fail "SIG$name: the entries given up were not said: $(cat "$work/stderr")"
    rmdir "$history"

    : >"$work/stderr"
    start
    keys ctrl+d
    expect_history_count 1
    mkfifo "$work/sql"
    sqlite3 "$history" <"$work/sql" >"$work/held" &
    local holder=$!
    exec {sql}>"$work/sql"
    echo "BEGIN EXCLUSIVE; SELECT 'held';" >&"$sql"
    for _ in $(seq 100); do
        grep -q held "$work/held" && break
        sleep 0.1
    done
    keys ctrl+d
    wait_for_stderr "history not kept yet"
    end_with "$name"
    exec {sql}>&-
    wait "$holder" || true
    grep -q "^fenwake: 1 of the history's entries were not kept (" "$work/stderr" ||
        fail "SIG$name: the entry kept waiting was not said: $(cat "$work/stderr")"
    echo "SIG$name said what of the history was not kept"
}

case "$mode" in
history-not-kept-on-signal) history_not_kept_on_signal "$4" ;;
history-slow-disk) history_slow_disk ;;
history-on-signal) history_on_signal "$4" ;;
slow-disk) slow_disk ;;
signal) signal "$4" ;;
signal-while-closing) signal_while_closing "$4" ;;
size-on-signal) size_on_signal "$4" ;;
closing-key) closing_key "$4" ;;
standard-error) standard_error "$4" ;;
*) fail "unknown mode $mode" ;;
esac
