#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), with DISPLAY set. The server picks a free
# display number itself and reports it, so runs side by side never take the same one.
#
# usage: with_xvfb.sh [-screen WxHxD] command [arguments...]
set -euo pipefail

screen=1280x1024x24
if [ "${1:-}" = "-screen" ]; then
    screen=$2
    shift 2
fi

work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
if ! read -r -t 30 number <"$work/display"; then
    echo "Xvfb did not start:" >&2
    cat "$work/log" >&2
    exit 1
fi
export DISPLAY=:$number
unset WAYLAND_DISPLAY
"$@"
