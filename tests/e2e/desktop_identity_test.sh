#!/usr/bin/env bash
# The window belongs to its desktop entry on both window systems: on X11 its WM_CLASS is the
# entry's StartupWMClass and it offers sharp icons up to large sizes; on Wayland (a headless
# weston) its app id is the entry's id.
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
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
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
