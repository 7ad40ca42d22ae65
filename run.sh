#!/usr/bin/env bash
# Installs what the project needs, builds it and starts Pressling (the print link; a second copy
# exits at once, so one already running is kept) and Quillet on the default data file
# (<documents>/Quillet.cdb; QUILLET_DOCUMENTS chooses another documents folder). Arguments are
# passed to quillet (--data FILE, --scale N). Without a display it lists the book with quillet-cli.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
# Qt wants a private runtime folder; a session without one gets its own.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    build/app/pressling >/dev/null 2>&1 &
    exec build/app/quillet "$@"
fi

echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the Quillet window cannot open." >&2
echo "Showing the book with quillet-cli instead; under xvfb-run the window runs without a screen." >&2
cli=build/app/quillet-cli
"$cli" init
for list in categories taxes products vendors customers company counters; do
    echo "== $list"
    "$cli" list "$list"
done
