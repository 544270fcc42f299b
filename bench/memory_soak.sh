#!/bin/sh
# Minutes of random play of the real game in a private Xvfb server without
# a window manager: steering, deaths, wins and re-openings through the menu.
# Its resident memory, measured after a first minute, must not grow in the
# MINUTES after (by more than the allocator's slack of a few pages).
# Usage: bench/memory_soak.sh BUILD_DIR [MINUTES]
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../tests/e2e/lib.sh"
minutes=${2:-2}
e2e_begin memory_soak "${1:?usage: bench/memory_soak.sh BUILD_DIR [MINUTES]}/tromfel" $((minutes * 60 + 180))

# random BELOW: a number from 0 to BELOW - 1, fresh from the kernel each time.
random() { echo $(($(od -An -N2 -tu2 /dev/urandom) % $1)); }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$(game_pid)/status"; }

start_xvfb
menu_layout 1024
start_game
began=$(date +%s) baseline= peak=0 boxes=0 last_level=
while [ $(($(date +%s) - began)) -lt $((minutes * 60 + 60)) ]; do
    running || fail "tromfel ended during the run with status $(game_status)"
    if shown Tromfel; then
        xdotool key Return && boxes=$((boxes + 1))
    elif shown "Tromfel -Level1-" && [ "$found" != "$last_level" ]; then
        # A new level window: now and then straight down to the flag.
        last_level=$found
        [ "$(random 3)" = 0 ] && takeoff && to_flag && within 5 shown Tromfel
    elif shown "Tromfel -Level1-"; then
        set -- Left Right Up Down Home space a Return End Prior
        shift "$(random $#)"
        xdotool key "$1"
    elif shown ""; then
        point $start && xdotool click 1
    fi
    [ $(($(date +%s) - began)) -ge 60 ] && [ -z "$baseline" ] && baseline=$(rss) && ok "resident memory after the first minute: $baseline kB"
    [ -n "$baseline" ] && [ "$(rss)" -gt "$peak" ] && peak=$(rss)
    sleep 0.1
done
[ "$boxes" -gt 3 ] || fail "too few deaths and wins for a soak: $boxes message boxes"
[ "$peak" -le $((baseline + 1024)) ] || fail "resident memory grew from $baseline kB to $peak kB after the first minute"
ok "$boxes message boxes answered; resident memory stayed at $baseline to $peak kB"
kill -TERM "$(game_pid)"
expect_end "SIGTERM after the run"
passed
