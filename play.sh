#!/bin/sh
# Installs what is missing, builds the game and starts it.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-packages.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --target tromfel
exec "$root/build/tromfel"
