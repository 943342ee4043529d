#!/usr/bin/env bash
# wayland_session.sh COMMAND...: runs COMMAND as a Wayland client of GNOME's compositor, nested
# in an X server without a screen. The nested compositor has a keyboard seat, fed by the X
# server, so xdotool's keys reach the client as a user's would. Everything it starts lives in a
# folder of its own and ends with it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap '"$here/../../../scripts/xvfb.sh" stop "$dir"; rm -rf "$dir"' EXIT
"$here/../../../scripts/xvfb.sh" start "$dir"
export DISPLAY=:$(cat "$dir/display") XDG_RUNTIME_DIR=$dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The compositor needs a D-Bus session; it and the client end with it.
dbus-run-session -- bash -c '
    mutter --wayland --nested --no-x11 --wayland-display=brenvol >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/brenvol" ] && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/brenvol" ] || { cat "$XDG_RUNTIME_DIR/mutter.log"; exit 1; }
    # The X server gives its keys to the window under the pointer: the compositor'"'"'s.
    xdotool mousemove 400 300
    status=0
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=brenvol QT_FONT_DPI=96 "$@" || status=$?
    kill %1
    exit $status
' wayland_session "$@"
