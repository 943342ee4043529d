#!/usr/bin/env bash
# bench/calculate.sh [benchmark flags]: prints what Calculate costs per call, text conversion
# included, next to the bare arithmetic of the formula. Builds in build-bench/
# with optimisation; the packages come from the project's set-up.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_BENCH_PACKAGES
brenvol_build bench calculate_bench >/dev/null
build-bench/bench/calculate_bench --benchmark_min_time=1 "$@"
