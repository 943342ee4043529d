#!/usr/bin/env bash
# Renders README.md's pictures of the window from the programs themselves, after one
# calculation: docs/screenshot.png (the Linux window, Qt offscreen) and docs/screenshot-windows.png
# (the Windows window, drawn under Wine on an X server without a screen). Run after ./test.sh
# has built both.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset default --target brenvol-screenshot >/dev/null
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 build/app/brenvol-screenshot docs/screenshot.png

cmake --build --preset windows --target brenvol-screenshot >/dev/null
wine_dir=build-windows/wine
export BRENVOL_WINE_DIR=$PWD/$wine_dir
tests/wine/prefix.sh start window C
scripts/xvfb.sh start "$wine_dir/xvfb"
trap 'tests/wine/prefix.sh stop window C; scripts/xvfb.sh stop "$wine_dir/xvfb"' EXIT
bmp=$(mktemp --suffix=.bmp)
BRENVOL_WINE_PREFIX=window BRENVOL_XVFB_DIR=$wine_dir/xvfb LC_ALL=C scripts/wine-run.sh \
    build-windows/app/brenvol-screenshot.exe "Z:${bmp//\//\\}"
scripts/bmp_to_png.py "$bmp" docs/screenshot-windows.png
rm -f "$bmp"
