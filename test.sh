#!/bin/sh
# Installs what is missing, builds everything and runs every test: unit,
# integration and end-to-end (in a private Xvfb server).
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-packages.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DTROMFEL_WERROR=ON
cmake --build "$root/build"
cd "$root/build"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
