#!/usr/bin/env bash
# Fails when clang-format would change any C++ file of the project.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find store document sales lists reports shell printjob printlink app tests bench \
    -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
[[ ${#files[@]} -eq 0 ]] && exit 0
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "Unformatted files: run clang-format -i on the files above." >&2
    exit 1
fi
