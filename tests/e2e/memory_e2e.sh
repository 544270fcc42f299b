#!/bin/sh
# A long run of the real game in a private Xvfb server: minutes of random
# steering, deaths, wins and re-openings through the menu. Its resident
# memory must not grow after the first minute.
# Usage: memory_e2e.sh PATH_TO_TROMFEL [MINUTES]
set -u
# shellcheck source=tests/e2e/xvfb_lib.sh
. "$(dirname "$0")/xvfb_lib.sh"
minutes=${2:-3}
e2e_xvfb_seconds=$((minutes * 60 + 120))
e2e_begin memory_e2e "${1:?usage: memory_e2e.sh PATH_TO_TROMFEL [MINUTES]}"

# Growth the allocator may show without a leak: a few pages here and there.
slack_kb=1024

start_xvfb
start_game
within 20 find_window "" || fail "no menu window appeared"
pid=$(cat "$e2e_work/pid")
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }

random() { awk -v below="$1" 'BEGIN { srand(); print int(rand() * below) }'; }
steering="Left Right Up Down Home space a Return End Prior"

start=$(date +%s)
baseline= peak=0 boxes=0 openings=0 last_level=
while [ $(($(date +%s) - start)) -lt $((minutes * 60)) ]; do
    game_exited && fail "tromfel ended during the run with status $(game_status)"
    if find_box; then
        xdotool keydown --window "$box" Return 2>/dev/null
        boxes=$((boxes + 1))
    elif find_window "Tromfel -Level1-"; then
        if [ "$window" != "$last_level" ]; then
            last_level=$window
            openings=$((openings + 1))
            # Now and then straight down at once: level one's flag, then level two.
            [ "$(random 3)" = 0 ] && xdotool key --window "$window" --delay 5 $(printf 'Down %.0s' $(seq 28)) 2>/dev/null
        else
            set -- $steering
            shift "$(random $#)"
            xdotool key --window "$window" "$1" 2>/dev/null
        fi
    elif find_window ""; then
        xdotool mousemove --window "$window" 650 262 click 1 2>/dev/null
    fi
    elapsed=$(($(date +%s) - start))
    if [ "$elapsed" -ge 60 ]; then
        rss=$(rss_kb)
        [ -z "$baseline" ] && baseline=$rss && ok "resident memory after the first minute: $baseline kB"
        [ "$rss" -gt "$peak" ] && peak=$rss
    fi
    sleep 0.1
done

ok "$openings level windows opened, $boxes message boxes answered in $minutes minutes"
[ -n "$baseline" ] || fail "the run was too short to measure after its first minute"
[ "$boxes" -gt 3 ] || fail "too few deaths and wins for a soak: $boxes"
[ "$peak" -le $((baseline + slack_kb)) ] ||
    fail "resident memory grew from $baseline kB to $peak kB after the first minute"
ok "resident memory stayed at $baseline to $peak kB"
find_window "Tromfel -Level1-" || find_window "" || fail "no game window at the end"
escape_ends_game "$window"
passed
