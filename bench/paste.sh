#!/usr/bin/env bash
# bench/paste.sh: how long a long paste holds up the window, in the Qt face offscreen and in the
# page in headless Chromium: 1 MiB of mixed text into a box, 100,000 digits, then "Calcola" on
# them. Builds in build-bench/ and build-web/ with optimisation.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_BENCH_PACKAGES BRENVOL_WEB_PACKAGES \
    BRENVOL_WEB_TEST_PACKAGES
brenvol_build bench paste_qt >/dev/null
build-bench/bench/paste_qt
brenvol_build web >/dev/null
brenvol_node_modules build-web/tests/faces/web
node bench/paste_web.mjs build-web/tests/faces/web
