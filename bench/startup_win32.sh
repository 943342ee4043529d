#!/usr/bin/env bash
# bench/startup_win32.sh [RUNS]: under Wine, with the wineserver kept warm, the time from process
# start to the first paint of frmMain, and peak working set, for brenvol.exe against a bare Win32
# window with one Arial label. Runs the two interleaved RUNS times (default 11) on a private Xvfb
# display and prints the medians and their ratio. Builds in build-windows-bench/ with
# optimisation.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_WINDOWS_PACKAGES
brenvol_build windows-bench >/dev/null
brenvol_wine_display "$PWD/build-windows-bench/wine" bench C
source scripts/wine-env.sh
wineserver --persistent
wine build-windows-bench/bench/startup_bare_win32.exe >/dev/null  # warm the server and caches

data=$(mktemp)
run() {  # NAME EXE
    local start out paint
    start=$(date +%s%6N)
    out=$(wine "$2" 2>/dev/null)
    paint=${out#*first_paint_us=}
    paint=${paint%% *}
    echo "$1 $((paint - start)) ${out#*maxrss_kb=}" >>"$data"
}
for _ in $(seq "$runs"); do
    run brenvol build-windows-bench/bench/startup_brenvol_win32.exe
    run bare build-windows-bench/bench/startup_bare_win32.exe
done

median() { grep "^$1 " "$data" | cut -d' ' -f"$2" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
echo "median of $runs interleaved runs each, under Wine on Xvfb, wineserver warm:"
printf '%-24s %10s %14s %14s\n' "" brenvol "bare+label" "brenvol/bare"
for what in "start to first paint:2:1000:ms" "peak working set:3:1024:MiB"; do
    IFS=: read -r title field scale unit <<<"$what"
    b=$(median brenvol "$field") l=$(median bare "$field")
    printf '%-24s %10s %14s %14s\n' "$title" "$(ratio "$b" "$scale") $unit" \
        "$(ratio "$l" "$scale") $unit" "$(ratio "$b" "$l")"
done
rm -f "$data"
