#!/usr/bin/env bash
# bench/startup.sh [RUNS]: time from process start to the first paint of frmMain, and peak
# resident memory, for Brenvol against a bare Qt window built in the same tree, empty and with
# one label. Runs the three interleaved RUNS times (default 30) on a private Xvfb display and
# prints the medians and Brenvol's ratios to each. Builds in build-bench/ with optimisation.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_BENCH_PACKAGES
brenvol_build bench startup_brenvol startup_bare >/dev/null

xvfb_dir=$(mktemp -d)
scripts/xvfb.sh start "$xvfb_dir"
trap 'scripts/xvfb.sh stop "$xvfb_dir"; rm -rf "$xvfb_dir"' EXIT
display=:$(cat "$xvfb_dir/display")

data=$(mktemp)
run() {  # NAME COMMAND...
    local name=$1 start out paint
    shift
    start=$(date +%s%6N)
    out=$(DISPLAY=$display QT_QPA_PLATFORM=xcb "$@" 2>/dev/null)
    paint=${out#*first_paint_us=}
    paint=${paint%% *}
    echo "$name $((paint - start)) ${out#*maxrss_kb=}" >>"$data"
}
for _ in $(seq "$runs"); do
    run brenvol build-bench/bench/startup_brenvol
    run bare build-bench/bench/startup_bare
    run label build-bench/bench/startup_bare --label
done

median() { grep "^$1 " "$data" | cut -d' ' -f"$2" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
echo "median of $runs interleaved runs each, on Xvfb:"
printf '%-22s %10s %10s %10s %16s %16s\n' "" brenvol "bare Qt" "bare+label" "brenvol/bare" \
    "brenvol/label"
for what in "start to first paint:2:1000:ms" "peak resident memory:3:1024:MiB"; do
    IFS=: read -r title field scale unit <<<"$what"
    b=$(median brenvol "$field") e=$(median bare "$field") l=$(median label "$field")
    printf '%-22s %10s %10s %10s %16s %16s\n' "$title" "$(ratio "$b" "$scale") $unit" \
        "$(ratio "$e" "$scale") $unit" "$(ratio "$l" "$scale") $unit" "$(ratio "$b" "$e")" \
        "$(ratio "$b" "$l")"
done
rm -f "$data"
