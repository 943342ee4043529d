#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the prefix that BRENVOL_WINE_DIR and
# BRENVOL_WINE_PREFIX name (scripts/wine-env.sh); nothing touches the user's own ~/.wine.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
