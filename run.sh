#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvol.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
brenvol_install_packages
brenvol_build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "Brenvol is built, but there is no display to open its window on" \
        "(DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Without a desktop: xvfb-run ./run.sh, or the calculator: build/app/brenvol-cli --help" >&2
    exit 1
fi
exec build/app/brenvol "$@"
