#!/usr/bin/env bash
# bench/paste.sh: how long a long paste holds up the window, in the Qt face offscreen, in the
# page in headless Chromium and in the Windows window under Wine: 1 MiB of mixed text into a
# box, 100,000 digits, then "Calcola" on them. Builds in build-bench/, build-web/ and
# build-windows-bench/ with optimisation. Under Wine, the same text into a bare edit control
# shows how much of the time is Wine's own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_BENCH_PACKAGES BRENVOL_WEB_PACKAGES \
    BRENVOL_WEB_TEST_PACKAGES BRENVOL_WINDOWS_PACKAGES
brenvol_build bench paste_qt >/dev/null
build-bench/bench/paste_qt
brenvol_build web >/dev/null
brenvol_node_modules build-web/tests/faces/web
node bench/paste_web.mjs build-web/tests/faces/web
brenvol_build windows-bench paste_win32 >/dev/null
brenvol_wine_display "$PWD/build-windows-bench/wine" bench C
source scripts/wine-env.sh
wine build-windows-bench/bench/paste_win32.exe
