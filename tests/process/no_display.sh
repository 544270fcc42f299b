#!/bin/sh
# Without any display the game says so on standard error and exits with
# status 1 at once, instead of hanging or crashing.
set -u
tromfel=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
    timeout 10 "$tromfel" 2>"$errors" >/dev/null
status=$?
if [ "$status" -ne 1 ]; then
    echo "FAIL: exit status $status, expected 1"
    cat "$errors"
    exit 1
fi
if ! grep -q "^tromfel: no display" "$errors"; then
    echo "FAIL: standard error does not say there is no display:"
    cat "$errors"
    exit 1
fi
echo "ok: $(grep '^tromfel:' "$errors")"
