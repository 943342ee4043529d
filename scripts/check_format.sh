#!/usr/bin/env bash
# Fails, naming them, when C++ files under the source tree differ from what clang-format makes
# of them with .clang-format. Run by the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find app bench calc encoding faces fuzz input regional settings tests ui \
    -name '*.cpp' -o -name '*.h' | sort)
bad=()
for file in "${files[@]}"; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        bad+=("$file")
    fi
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "not formatted as .clang-format says (clang-format -i fixes them):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
