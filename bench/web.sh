#!/usr/bin/env bash
# bench/web.sh [RUNS]: the web page's budgets. The size of each of the page's files, as served
# and gzipped (budget: 150 KiB gzipped in all); in headless Chromium from a local server, the
# page's first paint against a static page of the same layout with no script (budget: 1.3
# times), and on a slow phone its first paint and the moment it is ready (budget: 2.5 s), over
# RUNS loads (default 30). Builds in build-web/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
source scripts/setup.sh
brenvol_install_packages BRENVOL_PACKAGES BRENVOL_WEB_PACKAGES BRENVOL_WEB_TEST_PACKAGES
brenvol_build web >/dev/null
brenvol_node_modules build-web/tests/faces/web

total_raw=0 total_gz=0
printf '%-22s %10s %10s\n' file bytes gzipped
for file in build-web/web/*; do
    raw=$(stat -c %s "$file") gz=$(gzip -9 -c "$file" | wc -c)
    total_raw=$((total_raw + raw)) total_gz=$((total_gz + gz))
    printf '%-22s %10d %10d\n' "$(basename "$file")" "$raw" "$gz"
done
printf '%-22s %10d %10d   %.1f KiB gzipped (budget 150)\n' "all" "$total_raw" "$total_gz" \
    "$(awk "BEGIN {print $total_gz / 1024}")"

# The static page: the same document, its window already in it, without its scripts.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp build-web/web/* "$scratch"
grep -v '<script' build-web/web/index.html >"$scratch/static.html"
node bench/web_page_load.mjs build-web/tests/faces/web "$scratch" "$runs"
