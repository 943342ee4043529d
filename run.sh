#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvol.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
brenvol_install_packages
brenvol_build
exec build/app/brenvol-cli --help
