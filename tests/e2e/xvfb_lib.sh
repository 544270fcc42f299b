# Shared helpers of the end-to-end scripts: a private Xvfb server, the game
# started in it, its windows and message boxes found, screenshots and their
# pixels read, and polling with bounded timeouts.
# Sourced by a script that calls e2e_begin NAME PATH_TO_TROMFEL first.

e2e_xvfb_pid=
e2e_runner_pid=

# SDL turns SIGTERM into a quit event, which a modal message box never reads:
# the game is killed outright if it has not ended soon after.
e2e_cleanup() {
    if [ -s "$e2e_work/pid" ] && ! game_exited; then
        kill "$(cat "$e2e_work/pid")" 2>/dev/null
        within 5 game_exited || kill -KILL "$(cat "$e2e_work/pid")" 2>/dev/null
    fi
    [ -n "$e2e_runner_pid" ] && wait "$e2e_runner_pid"
    [ -n "$e2e_xvfb_pid" ] && kill "$e2e_xvfb_pid" 2>/dev/null && wait "$e2e_xvfb_pid"
    rm -rf "$e2e_work"
}

# e2e_begin NAME GAME: a work folder, cleaned up on exit; a failing run's
# screenshots and logs go to GAME's folder, under e2e-failures/NAME.
e2e_begin() {
    e2e_name=$1
    e2e_work=$(mktemp -d)
    e2e_folder=$(cd "$(dirname "$2")" && pwd)
    e2e_game="$e2e_folder/$(basename "$2")"
    e2e_failures="$e2e_folder/e2e-failures/$e2e_name"
    e2e_shots=0
    trap e2e_cleanup EXIT
    trap 'exit 1' HUP INT TERM
    [ -x "$e2e_game" ] || fail "no executable at $e2e_game"
}

ok() { echo "$e2e_name: ok: $*"; }

fail() {
    echo "$e2e_name: FAIL: $*" >&2
    rm -rf "$e2e_failures"
    mkdir -p "$e2e_failures"
    for file in "$e2e_work"/*.png "$e2e_work"/game.out "$e2e_work"/game.err "$e2e_work"/xvfb.log; do
        [ -f "$file" ] && cp "$file" "$e2e_failures/"
    done
    game_exited && echo "tromfel had ended with status $(game_status)" >&2
    if [ -s "$e2e_work/game.err" ]; then
        echo "--- tromfel's stderr:" >&2
        cat "$e2e_work/game.err" >&2
    fi
    echo "$e2e_name: screenshots and logs kept in $e2e_failures" >&2
    exit 1
}

# A passing run leaves no failure record of an earlier run behind.
passed() {
    rm -rf "$e2e_failures"
    echo "$e2e_name: passed"
}

# within SECONDS COMMAND...: polls COMMAND until it succeeds; false once
# SECONDS have passed, or at once if the game has ended: nothing it would
# show can come any more.
within() {
    e2e_deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$e2e_deadline" ] || return 1
        [ "$1" != game_exited ] && game_exited && return 1
        sleep 0.05
    done
}

# A display of its own, so that tests may run side by side; the timeout ends
# the server even if the script is killed before its trap runs.
start_xvfb() {
    timeout "${e2e_xvfb_seconds:-175}" Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp \
        3>"$e2e_work/display" >/dev/null 2>"$e2e_work/xvfb.log" &
    e2e_xvfb_pid=$!
    within 20 test -s "$e2e_work/display" || fail "Xvfb did not start: $(cat "$e2e_work/xvfb.log")"
    DISPLAY=:$(cat "$e2e_work/display")
    export DISPLAY
    within 20 xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"
}

# Starts the game; its exit status lands in $e2e_work/status.
start_game() {
    (
        cd "$e2e_work" || exit 1
        SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$e2e_game" >game.out 2>game.err &
        echo $! >pid
        wait $!
        echo $? >status.new
        mv status.new status
    ) 2>"$e2e_work/runner.err" &
    e2e_runner_pid=$!
}

game_exited() { [ -s "$e2e_work/status" ]; }

game_status() { cat "$e2e_work/status"; }

# find_window CAPTION [NOT_ID]: the game's shown window captioned exactly
# CAPTION, other than NOT_ID, into $window.
find_window() {
    for candidate in $(xdotool search --onlyvisible --class '^tromfel$' 2>/dev/null); do
        [ "$candidate" = "${2:-}" ] && continue
        e2e_caption=$(xdotool getwindowname "$candidate" 2>/dev/null) || continue
        if [ "$e2e_caption" = "$1" ]; then
            window=$candidate
            return 0
        fi
    done
    return 1
}

# A message box: a top-level window titled exactly Tromfel, into $box. Its
# UTF-8 title is out of reach of `xdotool search --name`.
find_box() {
    for candidate in $(xdotool search --maxdepth 1 --class '' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$candidate" 2>/dev/null)" = Tromfel ]; then
            box=$candidate
            return 0
        fi
    done
    return 1
}

no_box() { ! find_box; }

no_window() { ! find_window "$@"; }

# shoot NAME: a screenshot of the whole display, the one later reads use;
# numbered in the order taken, so that a failure's files tell the story.
shoot() {
    e2e_shots=$((e2e_shots + 1))
    shot="$e2e_work/$(printf %02d "$e2e_shots")-$1.png"
    import -window root "$shot" 2>/dev/null
}

# shoot_again: a new screenshot in the file of the last one, for polling.
shoot_again() { import -window root "$shot" 2>/dev/null; }

# pixel X Y: the last screenshot's colour there as RRGGBB.
pixel() {
    convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

# expect_pixel X Y RRGGBB WHAT
expect_pixel() {
    e2e_got=$(pixel "$1" "$2")
    [ "$e2e_got" = "$3" ] || fail "$4 at ($1,$2) is #$e2e_got, expected #$3"
    ok "$4 at ($1,$2) is #$3"
}

# count_colour X Y WIDTH HEIGHT RRGGBB: how many pixels of that exact colour
# the last screenshot has in the rectangle.
count_colour() {
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -c "#$5"
}

# expect_some X Y WIDTH HEIGHT RRGGBB WHAT: at least one such pixel there.
expect_some() {
    e2e_count=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$e2e_count" -gt 0 ] || fail "$6: no #$5 pixel in $3x$4 at ($1,$2)"
    ok "$6: $e2e_count #$5 pixels in $3x$4 at ($1,$2)"
}

# expect_none X Y WIDTH HEIGHT RRGGBB WHAT
expect_none() {
    e2e_count=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$e2e_count" -eq 0 ] || fail "$6: $e2e_count #$5 pixels in $3x$4 at ($1,$2), expected none"
    ok "$6: no #$5 pixel in $3x$4 at ($1,$2)"
}

# expect_black X Y WIDTH HEIGHT WHAT: every pixel of the rectangle black.
expect_black() {
    e2e_max=$(convert "$shot" -crop "$3x$4+$1+$2" +repage -format '%[max]' info:)
    [ "$e2e_max" = 0 ] || fail "$5: not all black in $3x$4 at ($1,$2)"
    ok "$5: all black in $3x$4 at ($1,$2)"
}

# shows X Y RRGGBB: a fresh screenshot has that colour there (for polling).
shows() {
    shoot_again && [ "$(pixel "$1" "$2")" = "$3" ]
}

# shows_some X Y WIDTH HEIGHT RRGGBB: a fresh screenshot has such a pixel in
# the rectangle (for polling).
shows_some() {
    shoot_again && [ "$(count_colour "$1" "$2" "$3" "$4" "$5")" -gt 0 ]
}

# Ends the game with Escape sent to WINDOW and expects status 0. Only the
# press: the program is gone before a release could reach it.
escape_ends_game() {
    xdotool keydown --window "$1" Escape || fail "xdotool could not send Escape"
    within 20 game_exited || fail "tromfel did not end within 20 s of Escape"
    [ "$(game_status)" = 0 ] || fail "tromfel ended with status $(game_status) after Escape, expected 0"
    ok "Escape ended tromfel with status 0"
}

# expect_fills_display WINDOW WHAT: the window covers the 1024 x 768 display
# from 0,0.
expect_fills_display() {
    e2e_geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | tr '\n' ' ')
    case "$e2e_geometry" in
        *"X=0 Y=0 WIDTH=1024 HEIGHT=768 "*) ok "$2 fills the display from 0,0" ;;
        *) fail "$2 does not fill the display from 0,0: $e2e_geometry" ;;
    esac
}
