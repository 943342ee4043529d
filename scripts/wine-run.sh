#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the prefix named by WINEPREFIX; the tests set
# it to a folder of the build, so nothing touches the user's own ~/.wine.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to a private prefix}"
export WINEPREFIX
export WINEDEBUG=-all
exec wine "$@"
