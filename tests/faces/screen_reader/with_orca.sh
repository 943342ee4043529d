#!/usr/bin/env bash
# with_orca.sh COMMAND...: runs COMMAND with Orca listening, in the D-Bus session and on the X
# display it is given (desktop_session.sh). The accessibility bus is started and marked enabled,
# as a desktop does when its user turns the screen reader on; Orca has a home and settings of its
# own, and no speech synthesiser: what it would say is in the file ORCA_LOG names, a line each.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$XDG_RUNTIME_DIR/orca
mkdir -p "$dir/home" "$dir/prefs"
export ORCA_LOG=$dir/speech.log
: >"$ORCA_LOG"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
a11y() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@"; }
for _ in $(seq 100); do
    a11y --method org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
for property in IsEnabled ScreenReaderEnabled; do
    a11y --method org.freedesktop.DBus.Properties.Set org.a11y.Status $property "<true>" >/dev/null
done
# Orca's speech goes to a speech-dispatcher that is not there and is never started, not even the
# user's own: the log has every utterance, and nothing is heard aloud.
HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config SPEECHD_ADDRESS=unix_socket:$dir/no-speech \
    SPEECHD_CMD=$dir/no-speech-dispatcher /usr/bin/python3 "$here/orca_logged.py" \
    "$ORCA_LOG" "$dir/prefs" >"$dir/orca.out" 2>&1 &
orca=$!
trap 'kill $orca $launcher 2>/dev/null || true' EXIT
for _ in $(seq 600); do
    grep -q "SPEECH OUTPUT: 'Screen reader on" "$ORCA_LOG" && break
    kill -0 $orca 2>/dev/null || break
    sleep 0.1
done
grep -q "SPEECH OUTPUT: 'Screen reader on" "$ORCA_LOG" || { echo "Orca did not start:"; cat "$dir/orca.out"; exit 1; } >&2
export QT_ACCESSIBILITY=1 GNOME_ACCESSIBILITY=1
"$@"
