#!/bin/sh
# A long run of the real game in a private Xvfb server: minutes of random
# steering, deaths, wins and re-openings through the menu. Its resident
# memory, measured after a first minute, must not grow in the MINUTES after.
# Usage: memory_e2e.sh PATH_TO_TROMFEL [MINUTES]
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
minutes=${2:-2}
e2e_begin memory_e2e "${1:?usage: memory_e2e.sh PATH_TO_TROMFEL [MINUTES]}" $((minutes * 60 + 180))

# Growth the allocator may show without a leak: a few pages here and there.
slack_kb=1024

# random BELOW: a number from 0 to BELOW - 1, fresh from the kernel each time.
random() { echo $(($(od -An -N2 -tu2 /dev/urandom) % $1)); }

start_xvfb
menu_layout
start_game
await menu "" || fail "no menu window appeared"
pid=$(game_pid)

began=$(date +%s)
baseline= peak=0 boxes=0 openings=0 last_level=
while [ $(($(date +%s) - began)) -lt $((minutes * 60 + 60)) ]; do
    running || fail "tromfel ended during the run with status $(game_status)"
    if shown Tromfel; then
        press "$found" Return 2>/dev/null
        boxes=$((boxes + 1))
    elif shown "Tromfel -Level1-"; then
        level=$found
        if [ "$level" != "$last_level" ]; then
            last_level=$level
            openings=$((openings + 1))
            # Now and then straight down between two landings: level one's
            # flag, then level two. Then no other key until the landing.
            [ "$(random 3)" = 0 ] && takeoff && to_flag "$level" 2>/dev/null && within 5 shown Tromfel
        else
            set -- Left Right Up Down Home space a Return End Prior
            shift "$(random $#)"
            xdotool key --window "$level" "$1" 2>/dev/null
        fi
    elif shown ""; then
        point $start
        xdotool click 1
    fi
    if [ $(($(date +%s) - began)) -ge 60 ]; then
        rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
        [ -z "$baseline" ] && baseline=$rss && ok "resident memory after the first minute: $baseline kB"
        [ "$rss" -gt "$peak" ] && peak=$rss
    fi
    sleep 0.1
done

ok "$openings level windows opened, $boxes message boxes answered in $((minutes + 1)) minutes"
[ "$boxes" -gt 3 ] || fail "too few deaths and wins for a soak: $boxes"
[ "$peak" -le $((baseline + slack_kb)) ] ||
    fail "resident memory grew from $baseline kB to $peak kB after the first minute"
ok "resident memory stayed at $baseline to $peak kB"
kill -TERM "$pid"
expect_end "SIGTERM after the run"
passed
