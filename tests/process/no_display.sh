#!/bin/sh
# Without any display the game says so on standard error and exits with
# status 1 at once, instead of hanging or crashing.
# Usage: no_display.sh PATH_TO_TROMFEL
errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 10 "$1" 2>&1 >/dev/null)
status=$?
echo "exit status $status (expected 1), standard error: $errors"
[ "$status" = 1 ] && echo "$errors" | grep -q "^tromfel: no display"
