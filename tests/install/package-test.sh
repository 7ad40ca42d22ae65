#!/usr/bin/env bash
# Makes the Debian package from the build and checks what it declares and holds.
#   package-test.sh BUILD_DIR QUILLET_APP_ID PRESSLING_APP_ID
set -euo pipefail
build=$1 quillet_id=$2 pressling_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail cpack; }
deb=$(find "$work" -maxdepth 1 -name '*.deb' | head -n 1)
[[ -n $deb ]] || fail "no package was made"
dpkg-deb -I "$deb" >"$work/info"
cat "$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
for library in libqt6core6 libqt6widgets6 libqt6network6 libqt6printsupport6 libsqlite3-0 libpq5 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
grep -q '^ Section: misc' "$work/info" || fail "no section"
grep -q '^ Maintainer: ' "$work/info" || fail "no maintainer"
dpkg-deb -c "$deb" >"$work/contents"
for file in ./usr/bin/quillet ./usr/bin/quillet-cli ./usr/bin/pressling \
    ./usr/share/applications/$quillet_id.desktop ./etc/xdg/autostart/$pressling_id.desktop \
    ./usr/share/man/man1/quillet-cli.1.gz ./usr/share/icons/hicolor/scalable/apps/$quillet_id.svg; do
    grep -q " $file\$" "$work/contents" || fail "the package lacks $file"
done
dpkg-deb -e "$deb" "$work/control"
grep -qx "/etc/xdg/autostart/$pressling_id.desktop" "$work/control/conffiles" || fail "the autostart entry is no conffile"
echo "package: declared dependencies and contents as expected"
