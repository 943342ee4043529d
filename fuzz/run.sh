#!/usr/bin/env bash
# fuzz/run.sh [SECONDS [TARGET...]]: builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs each (or those named) for SECONDS (default
# 60), starting from its seeds in fuzz/corpus/TARGET/, and prints its runs. New inputs go to a
# scratch corpus in build-fuzz/, so the committed seeds stay small; a failing input is kept in
# build-fuzz/artifacts/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/setup.sh
brenvol_install_packages BRENVOL_FUZZ_PACKAGES
brenvol_build fuzz
mkdir -p build-fuzz/artifacts
status=0
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_number_text fuzz_calculate fuzz_get_registry
    fuzz_typed_text fuzz_code_page)
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    if build-fuzz/fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/artifacts/ "build-fuzz/corpus/$target" "fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1; then
        runs=$(grep -o 'Done [0-9]* runs' "build-fuzz/$target.log" | grep -o '[0-9]*')
        echo "$target: $runs runs in $seconds s, nothing broken"
    else
        echo "$target: FAILED"
        tail -n 30 "build-fuzz/$target.log"
        status=1
    fi
done
exit $status
