#!/bin/sh
# Rebuilds every picture and sound in assets/ from tools/draw_assets.
# Run from anywhere; the build goes to build-tools/ at the repository root.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root/tools/draw_assets" -B "$root/build-tools" -G Ninja
cmake --build "$root/build-tools"
"$root/build-tools/draw_assets" "$root/assets"

# The menu loads the title as GIF: an opaque palette picture of at most 128 colours.
pictures="$root/assets/pictures"
convert "$pictures/menu_title.png" -alpha off -colors 128 "$pictures/menu_title.gif"
rm "$pictures/menu_title.png"
