#!/usr/bin/env bash
# xvfb.sh start|stop DIR: starts, or stops, an X server without a screen, for the tests that show
# windows and the start-up benchmark. It picks a free display itself and writes its number to
# DIR/display; start returns once the server answers a client, and fails, saying so, when it does
# not come up. stop returns once the server has gone.
set -euo pipefail
action=$1 dir=$2
mkdir -p "$dir"
stop() {
    [ -f "$dir/xvfb.pid" ] || return 0
    local pid
    pid=$(cat "$dir/xvfb.pid")
    kill "$pid" 2>/dev/null || true
    # Gone, and its display with it, before another server on the machine may want that display
    # (gone, or dead and waiting for whoever adopted it to reap it).
    local state=
    for _ in $(seq 200); do
        read -r _ _ state _ 2>/dev/null <"/proc/$pid/stat" || break
        [ "$state" = Z ] && break
        sleep 0.05
    done
    rm -f "$dir/xvfb.pid" "$dir/display"
}
case $action in
start)
    stop
    # A server whose display another was still leaving may give up after naming it: then another.
    for _ in 1 2 3; do
        exec 3>"$dir/display"
        # -noreset: a server resets as its last client leaves, and refuses clients meanwhile;
        # the check below is such a client, and the test's own might come in that moment.
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        pid=$!
        echo $pid >"$dir/xvfb.pid"
        exec 3>&-
        for _ in $(seq 100); do
            [ -s "$dir/display" ] || ! kill -0 $pid 2>/dev/null && break
            sleep 0.1
        done
        if [ -s "$dir/display" ] && xdpyinfo -display ":$(cat "$dir/display")" >/dev/null 2>&1 &&
            kill -0 $pid 2>/dev/null; then
            exit 0
        fi
        stop
    done
    echo "Xvfb did not come up" >&2
    exit 1
    ;;
stop) stop ;;
esac
