#!/usr/bin/env bash
# Renders docs/screenshot.png, README.md's picture of the window, from the widget itself: no
# display needed. Run after ./run.sh or ./test.sh has built the project.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target brenvol-screenshot >/dev/null
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 build/app/brenvol-screenshot docs/screenshot.png
