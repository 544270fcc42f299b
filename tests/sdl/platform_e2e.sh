#!/bin/sh
# End-to-end test of the SDL2 backend: runs the platform demo in a private
# Xvfb server and checks what it draws, the keys and ticks it gets, its
# modal message box and its exit status.
# Usage: platform_e2e.sh PATH_TO_PLATFORM_DEMO
set -u
demo=${1:?usage: platform_e2e.sh PATH_TO_PLATFORM_DEMO}
work=$(mktemp -d)
xvfb_pid=
runner_pid=

# The server goes with the demo: a demo stuck in a message box then ends too.
cleanup() {
    [ -s "$work/pid" ] && kill "$(cat "$work/pid")" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$runner_pid" ] && wait "$runner_pid"
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

fail() {
    echo "platform_e2e: FAIL: $*" >&2
    if [ -f "$work/out" ]; then
        echo "--- demo stdout (last lines):" >&2
        tail -n 20 "$work/out" >&2
        echo "--- demo stderr:" >&2
        cat "$work/err" >&2
    fi
    exit 1
}

# within SECONDS COMMAND...: polls COMMAND until it succeeds; false on timeout.
within() {
    tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

said() { grep -qx "$1" "$work/out"; }

# The colour of one screenshot pixel as RRGGBB.
pixel() {
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

expect_pixel() {
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at ($1,$2) is #$got, expected #$3"
}

# The demo's window drawn: its background shows where no element is.
drawn() {
    import -window root "$work/shot.png" 2>/dev/null && [ "$(pixel 500 400)" = 3060A0 ]
}

# Top-level windows titled like the program: its message boxes. Gives up
# early if the program went on as if a box had been closed.
find_box() {
    said "message closed" && return 0
    for candidate in $(xdotool search --maxdepth 1 --class '' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$candidate" 2>/dev/null)" = Tromfel ]; then
            box=$candidate
            return 0
        fi
    done
    return 1
}

exited() { [ -s "$work/status" ]; }

# A display of its own, so that tests may run side by side; the timeout ends
# the server even if this script is killed before its trap runs.
timeout 115 Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp \
    3>"$work/display" >/dev/null 2>"$work/xvfb.log" &
xvfb_pid=$!
within 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY

(
    SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$demo" >"$work/out" 2>"$work/err" &
    echo $! >"$work/pid"
    wait $!
    echo $? >"$work/status.new"
    mv "$work/status.new" "$work/status"
) &
runner_pid=$!

window=$(timeout 20 xdotool search --sync --name '^Platform demo$' | head -n 1)
[ -n "$window" ] || fail "no window captioned 'Platform demo' appeared"

# The window fills the display from 0,0; content at 15 twips per pixel.
within 20 drawn || fail "the window's background #3060A0 never showed at (500,400): #$(pixel 500 400)"
expect_pixel 1023 767 3060A0 "the background"
expect_pixel 26 26 FF0000 "the ball's middle"
expect_pixel 100 20 000000 "the tile's outer line"
expect_pixel 102 22 C0C0C0 "the tile's light band"
expect_pixel 132 52 808080 "the tile's inside"
expect_pixel 163 83 000000 "the tile's outer line"
expect_pixel 164 84 3060A0 "the background beyond the tile"
expect_pixel 318 48 FFFF80 "the label's background"

within 20 said "ticks 64" || fail "the timer did not tick 64 times"

xdotool key --window "$window" Left || fail "xdotool could not send Left"
within 20 said "key 37" || fail "Left did not arrive as key 37"

# The M key, without Shift: code 77.
xdotool key --window "$window" m || fail "xdotool could not send M"
within 20 said "key 77" || fail "M did not arrive as key 77"
within 20 find_box || fail "no message box titled Tromfel appeared"
said "message closed" && fail "the message box returned before it was closed"
xdotool keydown --window "$box" Return || fail "xdotool could not send Return to the message box"
within 20 said "message closed" || fail "Return did not close the message box"

# Only the press: the program is gone before a release could reach it.
xdotool keydown --window "$window" Escape || fail "xdotool could not send Escape"
within 20 exited || fail "the demo did not end after Escape"
said "key 27" || fail "Escape did not arrive as key 27"
status=$(cat "$work/status")
[ "$status" = 0 ] || fail "the demo ended with status $status, expected 0"
echo "platform_e2e: passed"
