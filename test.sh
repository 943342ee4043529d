#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux suite, then the Windows one
# (cross-built with MinGW, run under Wine). Exits non-zero on any failure.
#   ./test.sh --skip-windows   the Linux suite alone (also BRENVOL_SKIP_WINDOWS=1)
set -euo pipefail
cd "$(dirname "$0")"
skip_windows=${BRENVOL_SKIP_WINDOWS:-0}
for arg in "$@"; do
    case $arg in
    --skip-windows) skip_windows=1 ;;
    *) echo "usage: ./test.sh [--skip-windows]" >&2; exit 64 ;;
    esac
done
source scripts/setup.sh

brenvol_install_packages
brenvol_build
ctest --test-dir build --output-on-failure -j "$(nproc)"

if [ "$skip_windows" != 1 ]; then
    brenvol_install_packages BRENVOL_WINDOWS_PACKAGES
    brenvol_build_windows
    ctest --test-dir build-windows --output-on-failure -j "$(nproc)"
fi
