# Helpers of the end-to-end scripts: a private Xvfb server without X fonts
# (with openbox when asked), the game started in it, its windows found by
# caption, screenshots polled until they show what is expected, the pointer
# as the player sees it, and waits that always end. Sourced by a script that
# calls e2e_begin NAME GAME first.

# Colours as the screen shows them.
yellow=FFFF00 red=FF0000 box_grey=F0F0F0 warning=FFCC00 navy=000080
pictures="$(dirname "$0")/../../assets/pictures"

# e2e_begin NAME GAME [SECONDS]: a work folder, everything cleaned up on exit;
# a failing run's screenshots and logs go to e2e-failures/NAME beside GAME.
# The X server lives SECONDS at most.
e2e_begin() {
    e2e_name=$1 e2e_seconds=${3:-200} e2e_shots=0 e2e_pids=
    [ -x "$2" ] || { echo "$e2e_name: FAIL: no executable at $2" >&2 && exit 1; }
    e2e_work=$(mktemp -d)
    e2e_game="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
    e2e_failures="$(dirname "$e2e_game")/e2e-failures/$e2e_name"
    trap e2e_cleanup EXIT
    trap 'exit 1' HUP INT TERM
}

# A game stuck in a message box goes at once with its display; a stopped
# process is woken to take its signal.
e2e_cleanup() {
    [ -s "$e2e_work/pid" ] && running && kill -KILL "$(game_pid)" 2>/dev/null
    for e2e_pid in $e2e_pids; do kill "$e2e_pid" 2>/dev/null && kill -CONT "$e2e_pid" 2>/dev/null; done
    wait
    rm -rf "$e2e_work"
}

ok() { echo "$e2e_name: ok: $*"; }

fail() {
    echo "$e2e_name: FAIL: $*" >&2
    rm -rf "$e2e_failures" && mkdir -p "$e2e_failures"
    cp "$e2e_work"/*.png "$e2e_work"/*.log "$e2e_failures/" 2>/dev/null
    game_exited && echo "tromfel had ended with status $(game_status)" >&2
    echo "--- tromfel's stderr:" >&2 && cat "$e2e_work/stderr.log" >&2 2>/dev/null
    echo "$e2e_name: screenshots and logs kept in $e2e_failures" >&2
    exit 1
}

# A passing run leaves no failure record of an earlier run behind.
passed() { rm -rf "$e2e_failures" && echo "$e2e_name: passed"; }

# within SECONDS TEST...: polls TEST until it passes; false once SECONDS have
# passed, or at once when the game has ended: it will show nothing more.
within() {
    e2e_deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$e2e_deadline" ] || return 1
        [ "$1" != game_exited ] && game_exited && return 1
        sleep 0.05
    done
}

# spawn COMMAND...: runs it in the background until cleanup; its id in $!.
spawn() { "$@" >>"$e2e_work/others.log" 2>&1 & e2e_pids="$e2e_pids $!"; }

# A display of its own, so that scripts may run side by side; the timeout
# ends the server even if the script is killed before its trap. Its screen
# is also kept in a file, Xvfb_screen0, pointer and all.
start_xvfb() {
    spawn timeout "$e2e_seconds" Xvfb -displayfd 3 -screen 0 1024x768x24 -fp built-ins -nolisten tcp -noreset \
        -fbdir "$e2e_work" 3>"$e2e_work/display"
    within 20 test -s "$e2e_work/display" || fail "Xvfb did not start: $(cat "$e2e_work/others.log")"
    DISPLAY=:$(cat "$e2e_work/display")
    export DISPLAY
}

# openbox on the display with its usual settings (click to focus, a double
# click on a title bar maximizes or restores, the close button closes),
# keeping 40 px at the bottom out of the work area.
start_openbox() {
    sed 's#<bottom>0</bottom>#<bottom>40</bottom>#' /etc/xdg/openbox/rc.xml >"$e2e_work/openbox.xml"
    spawn openbox --config-file "$e2e_work/openbox.xml"
    within 20 work_area >/dev/null || fail "openbox did not take the display: $(cat "$e2e_work/others.log")"
}
work_area() { xprop -root _NET_WORKAREA | sed -n 's/^_NET_WORKAREA(CARDINAL) = //p' | cut -d, -f1-4 | tr -d , | grep .; }

# The menu labels' whole pixels on a menu W pixels wide (even): "Start"
# 113 x 57 at (W/2 + 133.33, 256.67), "Exit" 81 x 57 at (W/2 + 140, 323.33).
menu_layout() { start="$(($1 / 2 + 134)) 257 112 56" exit_label="$(($1 / 2 + 140)) 324 80 56"; }

# point X Y WIDTH HEIGHT: the pointer to the rectangle's middle.
point() { xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

# start_game [TRACER...]: starts the game (under TRACER, which passes on
# its exit status); its exit status lands in $e2e_work/status.
start_game() {
    rm -f "$e2e_work/pid" "$e2e_work/status"
    (
        SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$@" "$e2e_game" >>"$e2e_work/stdout.log" 2>>"$e2e_work/stderr.log" &
        echo $! >"$e2e_work/pid"
        wait $!
        echo $? >"$e2e_work/status"
    ) &
    within 20 test -s "$e2e_work/pid" || fail "the game did not start"
}
game_pid() { cat "$e2e_work/pid"; }
game_exited() { [ -s "$e2e_work/status" ]; }
game_status() { cat "$e2e_work/status"; }
running() { ! game_exited; }

# expect_end WHAT: the game ends within 20 s of WHAT with status 0.
expect_end() {
    within 20 game_exited || fail "tromfel did not end within 20 s of $1"
    [ "$(game_status)" = 0 ] || fail "tromfel ended with status $(game_status) after $1, expected 0"
    ok "$1 ended tromfel with status 0"
}

# shown CAPTION [NOT_ID]: the game shows a window captioned exactly CAPTION
# ("" the menu, "Tromfel" a message box) other than NOT_ID; its id in $found.
shown() {
    for e2e_id in $(xdotool search --onlyvisible --class '^tromfel$' 2>/dev/null); do
        [ "$e2e_id" != "${2:-}" ] && e2e_caption=$(xdotool getwindowname "$e2e_id" 2>/dev/null) &&
            [ "$e2e_caption" = "$1" ] && found=$e2e_id && return 0
    done
    return 1
}

# await VAR CAPTION [NOT_ID]: waits up to 20 s for such a window, its id into VAR.
await() { within 20 shown "$2" "${3:-}" && eval "$1=\$found"; }
vanished() { within 20 e2e_none "$@"; }
e2e_none() { ! shown "$@"; }

# geometry ID: "X Y WIDTH HEIGHT" of the window's client area on the display.
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ {v = v s $NF; s = " "} END {print v}'; }

# shoot NAME: a screenshot into a new file, numbered so that a failure's
# files tell the story; the one that tests read.
shoot() {
    e2e_shots=$((e2e_shots + 1))
    shot="$e2e_work/$(printf %02d "$e2e_shots")-$1.png"
    import -window root "$shot" 2>/dev/null
}

# see NAME WHAT TEST...: screenshots into one new file until TEST passes on
# it, failing after 20 s; check WHAT TEST... tests the last screenshot.
see() {
    shoot "$1" && e2e_what=$2 && shift 2
    within 20 e2e_shoot "$@" && ok "$e2e_what" || fail "$e2e_what: never so in 20 s ($*)"
}
e2e_shoot() { import -window root "$shot" 2>/dev/null && "$@"; }
check() {
    e2e_what=$1 && shift
    "$@" && ok "$e2e_what" || fail "$e2e_what: not so in $(basename "$shot") ($*)"
}

# count COLOUR X Y WIDTH HEIGHT: pixels of exactly that colour in the rectangle.
count() { convert "$shot" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | grep -c "#$1"; }

has() { [ "$(count "$@")" -gt 0 ]; }
lacks() { [ "$(count "$@")" -eq 0 ]; }

# same FILE X Y: the rectangle at X,Y of FILE's size equals FILE, pixel for pixel.
same() {
    convert "$shot" -crop "$(identify -format %wx%h "$1")+$2+$3" +repage "$e2e_work/crop.png"
    [ "$(compare -metric AE "$e2e_work/crop.png" "$1" null: 2>&1)" = 0 ]
}
tile() { same "$pictures/$1.png" "$2" "$3"; }

# labels START EXIT: each menu label has pixels of its colour, yellow or red,
# and none of the other.
labels() { e2e_label "$1" $start && e2e_label "$2" $exit_label; }
e2e_label() {
    case $1 in "$red") e2e_other=$yellow ;; *) e2e_other=$red ;; esac
    has "$@" && lacks $e2e_other "$2" "$3" "$4" "$5"
}

# to_flag: Down 28 times, which carries the ball from tile (0,0) over the
# obstacle rows onto the flag if all come between two landings.
to_flag() { xdotool key --delay 5 $(printf 'Down %.0s' $(seq 28)); }

# takeoff [ROW]: waits up to 5 s until the ball in column 0, centred on ROW
# of the display (33: resting on tile (0,0) of a window at 0,0), has just
# left the floor: its width along ROW is more than in the crop before and
# under 45 px (32 at rest). About 1 s of its bounce is left then.
takeoff() { e2e_width=99 e2e_row=${1:-33} && within 5 e2e_rising; }
e2e_rising() {
    e2e_was=$e2e_width
    e2e_width=$(import -window root -crop "100x1+0+$e2e_row" -depth 8 txt:- 2>/dev/null | grep -c "#$red")
    [ "$e2e_width" -gt "$e2e_was" ] && [ "$e2e_width" -lt 45 ]
}
