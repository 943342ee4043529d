#!/usr/bin/env bash
# bench/calculate.sh [benchmark flags]: prints what Calculate costs per call, text conversion
# included, next to the bare arithmetic of the formula. Builds in build-bench/
# with optimisation; the packages come from the project's set-up.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brenvol_install_packages
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENVOL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target calculate_bench >/dev/null
build-bench/bench/calculate_bench --benchmark_min_time=1 "$@"
