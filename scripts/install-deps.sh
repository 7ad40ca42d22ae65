#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the programs need. Quiet and quick when
# all are present; uses sudo when not run as root.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
    # installing and packaging: validators of the desktop entries and metadata, dpkg-shlibdeps
    desktop-file-utils appstream dpkg-dev
    # the shared book on a PostgreSQL server; the tests start a throwaway one
    libpq-dev postgresql-15
    # the reports' charts (Qt Charts needs Qt's OpenGL development files)
    qt6-charts-dev libqt6opengl6-dev
    # formatting check
    clang-format
    # tests and looking at the programs: a display for screenshots, PDF text, the sqlite3 shell
    sqlite3 xvfb xauth imagemagick poppler-utils fonts-dejavu-core xdotool
    # printing through a real default printer (a CUPS queue writing PDF files); the fuzz test
    cups cups-client printer-driver-cups-pdf clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
