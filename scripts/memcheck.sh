#!/usr/bin/env bash
# Runs brenvol-cli and the window's tests under Valgrind's memcheck; any memory error or leak
# fails. Needs build/ (./test.sh or ./run.sh makes it). Suppressions, each explained, are in
# tests/valgrind.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
# memcheck EXIT COMMAND...: COMMAND must exit with EXIT, and Valgrind find nothing (99).
memcheck() {
    local expected=$1 log code=0
    shift
    log=$(mktemp)
    valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,possible \
        --errors-for-leak-kinds=definite,possible --suppressions=tests/valgrind.supp \
        "$@" >"$log" 2>&1 || code=$?
    if [ "$code" = "$expected" ]; then
        echo "memcheck clean: $*"
    else
        echo "memcheck FAILED (exit $code, expected $expected): $*"
        cat "$log"
    fi
    rm -f "$log"
    [ "$code" = "$expected" ]
}
status=0
for run in "0 100 1000" "0 100 -700" "1 0 1000" "2 00 1000" "2 100 abc" "0 --help" "64"; do
    # shellcheck disable=SC2086  # the expected exit code, then one word per argument
    set -- $run
    memcheck "$1" build/app/brenvol-cli "${@:2}" || status=1
done
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96
memcheck 0 build/tests/faces/qt/frm_main_dialog_test || status=1

exit $status
