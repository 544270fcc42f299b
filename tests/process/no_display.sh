#!/bin/sh
# Without any display, or with one that nobody serves, the game says so on
# standard error, naming the display it tried and why, and exits with status
# 1 at once, instead of hanging or crashing.
# Usage: no_display.sh PATH_TO_TROMFEL
for display in "" :4093; do
    errors=$(env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" SDL_AUDIODRIVER=dummy timeout 10 "$1" 2>&1 >/dev/null)
    status=$?
    echo "DISPLAY=$display: exit status $status (expected 1), standard error: $errors"
    reason="${display:+cannot open X display \"$display\": x11 not available (}"
    [ "$status" = 1 ] && echo "$errors" | grep -q "^tromfel: no display: ${reason:-set DISPLAY to an X server}" || exit 1
done
