#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux suite (the window's cases with
# real keys, on X11 and as a Wayland client of GNOME's compositor), the web suite (WebAssembly
# under Node.js, the page in Chromium, Firefox ESR and WebKitGTK), then the Windows one
# (cross-built with MinGW, run under Wine). Exits non-zero on any failure.
#   --skip-web       leave out the web suite (also BRENVOL_SKIP_WEB=1)
#   --skip-windows   leave out the Windows suite (also BRENVOL_SKIP_WINDOWS=1)
#   --sanitize       also run the Linux suite built with AddressSanitizer and UBSan
#   --fuzz SECONDS   also run each fuzz target for SECONDS (fuzz/run.sh runs them at length)
#   --memcheck       also run brenvol-cli and the window's tests under Valgrind's memcheck
# CI runs ./test.sh --sanitize --fuzz 20 --memcheck.
set -euo pipefail
cd "$(dirname "$0")"
usage() {
    echo "usage: ./test.sh [--skip-web] [--skip-windows] [--sanitize] [--fuzz SECONDS] [--memcheck]" >&2
    exit 64
}
skip_web=${BRENVOL_SKIP_WEB:-0} skip_windows=${BRENVOL_SKIP_WINDOWS:-0} sanitize=0 fuzz_seconds=0 memcheck=0
while [ $# -gt 0 ]; do
    case $1 in
    --skip-web) skip_web=1 ;;
    --skip-windows) skip_windows=1 ;;
    --sanitize) sanitize=1 ;;
    --fuzz) [[ ${2:-} =~ ^[0-9]+$ ]] || usage; fuzz_seconds=$2; shift ;;
    --memcheck) memcheck=1 ;;
    *) usage ;;
    esac
    shift
done
source scripts/setup.sh

brenvol_install_packages BRENVOL_PACKAGES BRENVOL_DESKTOP_PACKAGES
brenvol_build
ctest --preset default -j "$(nproc)"

if [ "$sanitize" = 1 ]; then
    brenvol_build sanitize
    ctest --preset sanitize -j "$(nproc)"
fi

if [ "$memcheck" = 1 ]; then
    brenvol_install_packages BRENVOL_MEMCHECK_PACKAGES
    scripts/memcheck.sh
fi

if [ "$fuzz_seconds" -gt 0 ]; then
    brenvol_install_packages BRENVOL_FUZZ_PACKAGES
    fuzz/run.sh "$fuzz_seconds"
fi

if [ "$skip_web" != 1 ]; then
    echo "== The web suite: the core under Node.js, the page in Chromium, Firefox ESR and WebKitGTK (build-web/)"
    brenvol_install_packages BRENVOL_WEB_PACKAGES BRENVOL_WEB_TEST_PACKAGES
    brenvol_build web
    brenvol_node_modules build-web/tests/faces/web
    ctest --preset web -j "$(nproc)"
else
    echo "== The web suite is left out (--skip-web)"
fi

if [ "$skip_windows" != 1 ]; then
    echo "== The Windows suite: cross-built with MinGW-w64, run under Wine (build-windows/)"
    brenvol_install_packages BRENVOL_WINDOWS_PACKAGES
    brenvol_build windows
    ctest --preset windows -j "$(nproc)"
else
    echo "== The Windows suite is left out (--skip-windows)"
fi
