#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
brenvol_install_packages
brenvol_build
ctest --test-dir build --output-on-failure -j "$(nproc)"
