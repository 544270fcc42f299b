#!/bin/sh
# Interrupt and termination end the game at once with status 0, like
# Escape: in the menu, and while a message box holds the game, which goes
# with it.
# Usage: signal_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/xvfb_lib.sh
. "$(dirname "$0")/xvfb_lib.sh"
e2e_begin signal_e2e "${1:?usage: signal_e2e.sh PATH_TO_TROMFEL}"

# signal_ends_game SIGNAL WHEN
signal_ends_game() {
    kill -"$1" "$(cat "$e2e_work/pid")"
    within 5 game_exited || fail "tromfel did not end within 5 s of $1 $2"
    [ "$(game_status)" = 0 ] || fail "tromfel ended with status $(game_status) after $1 $2, expected 0"
    ok "$1 $2 ended tromfel with status 0"
    rm -f "$e2e_work/status" "$e2e_work/pid"
    wait "$e2e_runner_pid"
    e2e_runner_pid=
}

start_xvfb

start_game
within 20 find_window "" || fail "no menu window appeared"
signal_ends_game TERM "in the menu"

start_game
within 20 find_window "" || fail "no menu window appeared"
xdotool mousemove --window "$window" 650 262 click 1
within 20 find_window "Tromfel -Level1-" || fail "Start did not open level one"
xdotool key --window "$window" Right Right Right Right
within 20 find_box || fail "no message box after steering onto an obstacle"
signal_ends_game INT "with \"You are dead\" open"
within 5 no_box || fail "the message box stayed on screen after the game had ended"
ok "the message box went with the game"
passed
