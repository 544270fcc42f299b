#!/bin/sh
# Installs what is missing, builds everything and runs every test: unit,
# integration and end-to-end (in private Xvfb servers), then the unit and
# integration tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)
"$root/tools/install-packages.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DTROMFEL_WERROR=ON
cmake --build "$root/build"

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DTROMFEL_WERROR=ON \
    -DTROMFEL_SANITIZE=address,undefined -DTROMFEL_BENCHMARKS=OFF
cmake --build "$root/build-sanitize"

echo "== Sanitized build: unit and integration tests"
(cd "$root/build-sanitize" && ctest --output-on-failure --timeout 900 -j "$jobs" -LE e2e)

echo "== All tests"
cd "$root/build"
ctest --output-on-failure --timeout 900 -j "$jobs"
