#!/usr/bin/env bash
# on_display.sh DIR COMMAND...: runs COMMAND on the X server that xvfb.sh started in DIR.
set -euo pipefail
dir=$1
shift
DISPLAY=:$(cat "$dir/display")
export DISPLAY
exec "$@"
