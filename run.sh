#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvol.
#   --web   builds the web page instead and serves it on 127.0.0.1 (port BRENVOL_WEB_PORT, 8080
#           by default) until interrupted
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
if [ "${1:-}" = --web ]; then
    brenvol_install_packages BRENVOL_PACKAGES BRENVOL_WEB_PACKAGES
    brenvol_build web
    port=${BRENVOL_WEB_PORT:-8080}
    echo "Brenvol in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-web/web "$port"
fi
brenvol_install_packages
brenvol_build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "Brenvol is built, but there is no display to open its window on" \
        "(DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Without a desktop: xvfb-run ./run.sh, or the calculator: build/app/brenvol-cli --help" >&2
    exit 1
fi
exec build/app/brenvol "$@"
