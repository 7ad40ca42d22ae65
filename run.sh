#!/usr/bin/env bash
# Installs what the project needs, builds it and starts the programs on the default data file
# (<documents>/Quillet.cdb; QUILLET_DOCUMENTS chooses another documents folder).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

cli=build/app/quillet-cli
"$cli" init
for list in categories taxes products vendors customers company counters; do
    echo "== $list"
    "$cli" list "$list"
done
