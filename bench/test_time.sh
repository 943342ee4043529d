#!/usr/bin/env bash
# bench/test_time.sh [test.sh options]: the wall-clock time of ./test.sh in a clean clone of
# this repository's HEAD, with the packages already present (run ./test.sh once first).
set -euo pipefail
cd "$(dirname "$0")/.."
clone=$(mktemp -d)
trap 'rm -rf "$clone"' EXIT
git clone --quiet . "$clone/brenvol"
start=$(date +%s%N)
if ! (cd "$clone/brenvol" && ./test.sh "$@" >"$clone/test.log" 2>&1); then
    tail -n 30 "$clone/test.log"
    echo "./test.sh $* failed" >&2
    exit 1
fi
end=$(date +%s%N)
echo "clean ./test.sh $*: $(awk "BEGIN {printf \"%.1f\", ($end - $start) / 1e9}") s on $(nproc) cores"
