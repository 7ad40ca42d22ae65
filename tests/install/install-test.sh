#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installed programs as a shop would: the
# expected files in their places, validators satisfied, a sale posted with the installed
# quillet-cli and printed to PDF by the installed pressling.
#   install-test.sh BUILD_DIR QUILLET_APP_ID PRESSLING_APP_ID
set -euo pipefail
build=$1 quillet_id=$2 pressling_id=$3
work=$(mktemp -d)
pressling_pid=
cleanup() {
    [[ -n $pressling_pid ]] && kill "$pressling_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

expected=(
    bin/quillet bin/quillet-cli bin/pressling
    share/applications/$quillet_id.desktop share/applications/$pressling_id.desktop
    share/metainfo/$quillet_id.metainfo.xml share/metainfo/$pressling_id.metainfo.xml
    etc/xdg/autostart/$pressling_id.desktop
    share/man/man1/quillet-cli.1 share/quillet/quillet.htm
)
for id in "$quillet_id" "$pressling_id"; do
    expected+=(share/icons/hicolor/scalable/apps/$id.svg)
    for size in 16 22 24 32 48 64 128 256; do
        expected+=(share/icons/hicolor/${size}x${size}/apps/$id.png)
    done
done
for file in "${expected[@]}"; do
    [[ -s $prefix/$file ]] || fail "$file is not installed"
done
[[ -x $prefix/bin/quillet && -x $prefix/bin/quillet-cli && -x $prefix/bin/pressling ]] || fail "programs not executable"
file "$prefix/share/icons/hicolor/48x48/apps/$quillet_id.png" | grep -q '48 x 48' || fail "the 48 px icon is not 48 x 48"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$pressling_id.svg" || fail "the scalable icon is no SVG"
grep -q 'id="Main_Contents"' "$prefix/share/quillet/quillet.htm" || fail "the help page lacks its contents"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/"*.desktop "$prefix/etc/xdg/autostart/"*.desktop ||
        fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/"*.xml || fail "appstreamcli validate"
fi

# The manual page names every command --help names.
cli=$prefix/bin/quillet-cli
"$cli" --help >"$work/help.txt"
for command in $(sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' "$work/help.txt" | sort -u); do
    grep -qF "\\fB${command//-/\\-}" "$prefix/share/man/man1/quillet-cli.1" || fail "the manual page lacks $command"
done

# A sale with the installed quillet-cli, printed by the installed pressling.
export QUILLET_DOCUMENTS=$work/documents QT_QPA_PLATFORM=offscreen
book=$work/book.cdb
"$cli" --data "$book" init >/dev/null
"$cli" --data "$book" category add Tools
"$cli" --data "$book" product add "Claw Hammer" --category Tools --price 12.5 --cost 7 --qty 10
id=$("$cli" --data "$book" sale --party "Walk-in" --line "Claw Hammer;2;12.5")
"$cli" --data "$book" list products | grep -q '^"\?Claw Hammer"\?,.*,8,' || fail "the sale did not take two hammers"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
pdfs=$work/pdf
mkdir -p "$pdfs"
"$prefix/bin/pressling" --port "$port" --pdf-dir "$pdfs" >"$work/pressling.log" 2>&1 &
pressling_pid=$!
for _ in $(seq 50); do
    (echo >/dev/tcp/127.0.0.1/"$port") 2>/dev/null && break
    sleep 0.1
done
QUILLET_PRINT_HOST=127.0.0.1 QUILLET_PRINT_PORT=$port "$cli" --data "$book" print "$id" || fail "print $id"
for _ in $(seq 100); do
    pdf=$(find "$pdfs" -name '*.pdf' | head -n 1)
    [[ -n $pdf ]] && pdftotext "$pdf" - 2>/dev/null | grep -q 'Claw Hammer' && break
    sleep 0.1
done
[[ -n ${pdf:-} ]] || fail "pressling wrote no PDF"
pdftotext "$pdf" - | grep -q '25.00' || fail "the printed sale lacks its amount"
echo "installed tree, validators, sale and print: all passed"
