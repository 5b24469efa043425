#!/usr/bin/env bash
# The window belongs to its desktop entry on both window systems: on X11 its WM_CLASS is the
# entry's StartupWMClass and it offers sharp icons up to large sizes; on Wayland (a headless
# weston) its app id is the entry's id. For the X11 window manager the main window is a
# normal application window that can be minimised and maximised, and the About box a modal
# dialog of it, opened centred on it.
#
# usage: desktop_identity_test.sh <fenwake executable> <desktop entry>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
entry=$2
id=$(basename "$entry" .desktop)

if [ -z "${FENWAKE_UNDER_XVFB:-}" ]; then
    exec env FENWAKE_UNDER_XVFB=1 "$here/../support/with_xvfb.sh" "$0" "$@"
fi

work=$(mktemp -d)
pids=()
# The programs end as a session ends them, keeping their window size first: waited for, so that
# none writes into the folder as it goes.
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state
export XDG_DATA_HOME=$work/data
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# X11, at twice the scale: the window offers its icon sharp up to 128 pixels.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$program" 2>/dev/null &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Fenwake$' | head -1 || true)
[ -n "$window" ] || fail "no window on X11"
wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$startup_class" ] || fail "the desktop entry names no StartupWMClass"
[ "$wm_class" = "WM_CLASS(STRING) = \"fenwake\", \"$startup_class\"" ] ||
    fail "WM_CLASS is $wm_class, the entry expects $startup_class"
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ "$icons" == *"Icon (128 x 128)"* ]] || fail "no large window icon: $icons"

# What the window manager is told of the main window and of the About box.
property() { xprop -id "$1" "$2" | sed 's/^[^=:]*[=:] *//'; }
[ "$(property "$window" _NET_WM_WINDOW_TYPE)" = "_NET_WM_WINDOW_TYPE_NORMAL" ] ||
    fail "the main window's type is $(property "$window" _NET_WM_WINDOW_TYPE)"
[ "$(property "$window" WM_TRANSIENT_FOR)" = "not found." ] ||
    fail "the main window is transient for $(property "$window" WM_TRANSIENT_FOR)"
[[ "$(property "$window" _NET_WM_STATE)" != *_NET_WM_STATE_MODAL* ]] ||
    fail "the main window is marked modal"
# Motif functions: resize 0x2, move 0x4, minimise 0x8, maximise 0x10, close 0x20.
functions=$(property "$window" _MOTIF_WM_HINTS | cut -d, -f2)
[ $((functions & 0x18)) -eq $((0x18)) ] || fail "the main window cannot be minimised and maximised"
xdotool windowfocus --sync "$window"
xdotool key --delay 100 alt+t
sleep 0.3
xdotool key a
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -1 || true)
[ -n "$about" ] || fail "no About box"
[[ "$(property "$about" _NET_WM_WINDOW_TYPE)" == _NET_WM_WINDOW_TYPE_DIALOG* ]] ||
    fail "the About box's type is $(property "$about" _NET_WM_WINDOW_TYPE)"
[ "$(property "$about" WM_TRANSIENT_FOR)" = "window id # $(printf '0x%x' "$window")" ] ||
    fail "the About box is transient for $(property "$about" WM_TRANSIENT_FOR), not the main window"
[[ "$(property "$about" _NET_WM_STATE)" == *_NET_WM_STATE_MODAL* ]] || fail "the About box is not modal"
centre() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}
read -r mainX mainY <<<"$(centre "$window")"
read -r aboutX aboutY <<<"$(centre "$about")"
[ $((mainX - aboutX)) -ge -1 ] && [ $((mainX - aboutX)) -le 1 ] &&
    [ $((mainY - aboutY)) -ge -1 ] && [ $((mainY - aboutY)) -le 1 ] ||
    fail "the About box is centred at $aboutX,$aboutY, the main window at $mainX,$mainY"

# Wayland.
weston --backend=headless-backend.so --use-pixman --socket=fenwake-test --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/fenwake-test" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/fenwake-test" ] || fail "weston did not start: $(cat "$work/weston.log")"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=fenwake-test WAYLAND_DEBUG=1 \
    "$program" 2>"$work/wayland.log" &
pids+=($!)
for _ in $(seq 100); do
    grep -q 'set_app_id' "$work/wayland.log" && break
    sleep 0.1
done
app_id=$(grep -o 'set_app_id("[^"]*")' "$work/wayland.log" | head -1)
[ "$app_id" = "set_app_id(\"$id\")" ] || fail "the Wayland app id is ${app_id:-not set}, not $id"

echo "X11 WM_CLASS and the Wayland app id match $id; icons offered: $icons"
