# Shared by the scripts that drive the real program on an X server of their own: sourced after
# the script has put itself under with_xvfb.sh and set `program`. Gives a work folder that
# goes at the end, the program's own settings folder in it, and the steps of a session.
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM WAYLAND_DISPLAY LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8 # the program's own texts, as the checks expect them
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_CONFIG_HOME/Kestrova" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Kestrova/fenwake.conf
history=$XDG_DATA_HOME/Kestrova/fenwake/history.sqlite

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

# Starts the program (after any launcher words in the array `launcher`) and waits for its
# window to have the focus. "without-stderr" starts it with standard error closed.
launcher=()
start() {
    if [ "${1:-}" = "without-stderr" ]; then
        "${launcher[@]}" "$program" 2>&- &
    else
        "${launcher[@]}" "$program" 2>>"$work/stderr" &
    fi
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Fenwake$' | head -1 || true)
    [ -n "$window" ] || fail "no main window"
    xdotool windowfocus --sync "$window"
    wait_for_focus
}

# Until the window has the keyboard's focus, ten seconds at most.
wait_for_focus() {
    for _ in $(seq 100); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
        sleep 0.1
    done
    fail "the window never had the focus"
}

# Until standard error has a line that matches, ten seconds at most.
wait_for_stderr() {
    for _ in $(seq 100); do
        grep -q -e "$1" "$work/stderr" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "standard error never said $1: $(cat "$work/stderr" 2>/dev/null)"
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
