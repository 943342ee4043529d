#!/usr/bin/env bash
# Renders README.md's pictures of the window from the programs themselves, after one
# calculation: docs/screenshot.png (the Linux window, Qt offscreen), docs/screenshot-web.png (the
# page, in headless Chromium) and docs/screenshot-windows.png (the Windows window, drawn under
# Wine on an X server without a screen). Run after ./test.sh has built all three.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brenvol_build default brenvol-screenshot >/dev/null
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 build/tools/brenvol-screenshot docs/screenshot.png

brenvol_build web >/dev/null
brenvol_node_modules build-web/tests/faces/web
node tools/screenshot_web.mjs build-web/tests/faces/web docs/screenshot-web.png

brenvol_build windows brenvol-screenshot >/dev/null
brenvol_wine_display "$PWD/build-windows/wine" window C
bmp=$(mktemp --suffix=.bmp)
scripts/wine-run.sh build-windows/tools/brenvol-screenshot.exe "Z:${bmp//\//\\}"
scripts/bmp_to_png.py "$bmp" docs/screenshot-windows.png
rm -f "$bmp"
