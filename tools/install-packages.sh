#!/bin/sh
# Installs the Debian 12 packages that building, playing and testing need,
# where they are missing. Needs root or sudo only when something is missing.
set -eu

packages="cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
libsdl2-ttf-dev libx11-dev fonts-liberation2 libgtest-dev libbenchmark-dev xvfb xdotool imagemagick x11-utils
openbox strace"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
echo "Installing:$missing"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
