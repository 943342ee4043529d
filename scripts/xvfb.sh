#!/usr/bin/env bash
# xvfb.sh start|stop DIR: starts, or stops, an X server without a screen, for the Windows
# window's tests and the start-up benchmark. It picks a free display itself and writes its
# number to DIR/display; it fails, saying so, when the server does not come up.
set -euo pipefail
action=$1 dir=$2
mkdir -p "$dir"
case $action in
start)
    [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    exec 3>"$dir/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$dir/display" ] && exit 0
        sleep 0.1
    done
    echo "Xvfb did not come up" >&2
    exit 1
    ;;
stop)
    [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid" "$dir/display"
    ;;
esac
