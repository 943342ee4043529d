#!/usr/bin/env bash
# desktop_session.sh x11|wayland COMMAND...: runs COMMAND on GNOME's desktop shell-less, in an X
# server without a screen: with GNOME's compositor as its X11 window manager, or as a Wayland
# client of the same compositor nested in the X server. Either way the X server's keyboard and
# pointer, which xdotool drives, are the session's, so the client gets keys and clicks as a
# user's. Everything it starts lives in a folder of its own and ends with it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xvfb=$here/../../../scripts/xvfb.sh
export BRENVOL_SESSION=$1
shift
dir=$(mktemp -d)
trap '"$xvfb" stop "$dir"; rm -rf "$dir"' EXIT
"$xvfb" start "$dir"
export DISPLAY=:$(cat "$dir/display") XDG_RUNTIME_DIR=$dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The compositor needs a D-Bus session; it and the client end with it.
dbus-run-session -- bash -c '
    log=$XDG_RUNTIME_DIR/mutter.log
    if [ "$BRENVOL_SESSION" = wayland ]; then
        mutter --wayland --nested --no-x11 --wayland-display=brenvol >"$log" 2>&1 &
        export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=brenvol
        ready() { [ -S "$XDG_RUNTIME_DIR/brenvol" ]; }
    else
        mutter --x11 --sm-disable >"$log" 2>&1 &
        export QT_QPA_PLATFORM=xcb
        ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
    fi
    for _ in $(seq 100); do
        ready && break
        sleep 0.1
    done
    ready || { cat "$log"; exit 1; }
    # The X server gives its keys to the window under the pointer: the compositor'"'"'s, nested.
    xdotool mousemove 400 300
    status=0
    QT_FONT_DPI=96 "$@" || status=$?
    kill %1
    exit $status
' desktop_session "$@"
