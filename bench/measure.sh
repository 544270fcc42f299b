#!/bin/sh
# Whole-process figures of the real game, each program in a fresh Xvfb of its
# own so that the X server's CPU counts with it: CPU of program and X server
# while level one and level two play, while the pointer sweeps over the menu,
# and for a bare SDL2 loop presenting a full-screen window 64 times a second;
# start-up time, idle CPU in the menu, peak resident memory and tick cadence.
# Usage: bench/measure.sh BUILD_DIR [SECONDS]
set -eu

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [SECONDS]" >&2; exit 2; }
build=$(cd "$1" && pwd)
seconds=${2:-20}
case $seconds in '' | *[!0-9]*) echo "SECONDS must be a whole number" >&2; exit 2 ;; esac
game=$build/tromfel
bare=$build/bench/bare_sdl
cadence=$build/bench/tick_cadence
for program in "$game" "$bare" "$cadence"; do
    [ -x "$program" ] || { echo "no executable at $program: build it first" >&2; exit 1; }
done
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
clock_ticks=$(getconf CLK_TCK)
# No Xvfb outlives this, even if the script itself is killed outright.
xvfb_life=$((seconds + 240))

# --- processes, cleaned up whatever happens -----------------------------------

running=""  # what this script started and has not stopped yet, newest first

gone() { [ ! -e "/proc/$1" ] || [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)" = Z ]; }

now_ms() { date +%s%3N; }

# within SECONDS COMMAND...: polls COMMAND until it succeeds; false once
# SECONDS have passed.
within() {
    within_deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$within_deadline" ] || return 1
        sleep 0.02
    done
}

forget() { running=$(for pid in $running; do [ "$pid" = "$1" ] || printf '%s ' "$pid"; done); }

# stop PID: SIGTERM first, on which the game ends at once with status 0;
# KILL for whatever does not end on it within 5 s.
stop() {
    kill "$1" 2>/dev/null || true
    within 5 gone "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    forget "$1"
}

# pause SECONDS: a sleep that an interrupt cuts short.
pause() {
    sleep "$1" &
    running="$! $running"
    wait "$!"
    forget "$!"
}

cleanup() {
    for pid in $running; do stop "$pid"; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' HUP TERM

# start_xvfb: a fresh 1280x1024 server; sets DISPLAY, xvfb (the server's
# own process) and xvfb_guard (the timeout around it).
start_xvfb() {
    rm -f "$work/display"
    timeout "$xvfb_life" Xvfb -displayfd 3 -screen 0 1280x1024x24 -fp built-ins -nolisten tcp -noreset \
        3>"$work/display" >/dev/null 2>"$work/xvfb.log" &
    xvfb_guard=$!
    running="$xvfb_guard $running"
    within 20 test -s "$work/display" || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
    xvfb=$(ps -o pid= --ppid "$xvfb_guard" | tr -d ' ')
    [ -n "$xvfb" ] || { echo "cannot find the Xvfb process" >&2; exit 1; }
    running="$xvfb $running"
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    within 20 xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 1; }
}

stop_xvfb() {
    stop "$xvfb"
    stop "$xvfb_guard"
}

# start_game: tromfel in the current display, its pid in $pid.
start_game() {
    "$game" >"$work/game.log" 2>&1 &
    pid=$!
    running="$pid $running"
}

# --- reading the screen ------------------------------------------------------

# find_window CAPTION [NOT_ID]: the game's shown window captioned exactly
# CAPTION, other than NOT_ID, into $window.
find_window() {
    for candidate in $(xdotool search --onlyvisible --class '^tromfel$' 2>/dev/null); do
        [ "$candidate" = "${2:-}" ] && continue
        if [ "$(xdotool getwindowname "$candidate" 2>/dev/null)" = "$1" ]; then
            window=$candidate
            return 0
        fi
    done
    return 1
}

# find_box: a top-level window titled exactly Tromfel, into $box.
find_box() {
    for candidate in $(xdotool search --maxdepth 1 --class '' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$candidate" 2>/dev/null)" = Tromfel ]; then
            box=$candidate
            return 0
        fi
    done
    return 1
}

window_width() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }

# ball_width WINDOW: how wide the red ball is over tile (0,0), 0 if absent.
ball_width() {
    bounds=$(import -window "$1" -crop 128x128+0+0 +repage png:- 2>/dev/null |
        convert png:- -fill black +opaque '#FF0000' -format '%@' info: 2>/dev/null) || true
    case ${bounds%%x*} in '' | *[!0-9]*) echo 0 ;; *) echo "${bounds%%x*}" ;; esac
}

# The ball has just left the tile: growing, and still well below its peak
# size, so about a second of the bounce is left.
ball_taking_off() {
    first=$(ball_width "$1")
    second=$(ball_width "$1")
    [ "$second" -gt "$first" ] && [ "$second" -lt 45 ]
}

# --- measuring -----------------------------------------------------------------

cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

seconds_of() { awk -v t="$1" -v hz="$clock_ticks" 'BEGIN {printf "%.2f", t / hz}'; }

# measure NAME PROGRAM_PID: CPU seconds of the program and of this display's X
# server over $seconds, and their sum, as one line in $work/NAME.cpu.
measure() {
    client_before=$(cpu_ticks "$2")
    x_before=$(cpu_ticks "$xvfb")
    pause "$seconds"
    gone "$2" && { echo "  the program ended while being measured: $(tail -n 3 "$work/game.log")"; return 1; }
    client_ticks=$(($(cpu_ticks "$2") - client_before))
    x_ticks=$(($(cpu_ticks "$xvfb") - x_before))
    echo "$(seconds_of "$client_ticks") $(seconds_of "$x_ticks") $(seconds_of $((client_ticks + x_ticks)))" \
        >"$work/$1.cpu"
    read -r client x sum <"$work/$1.cpu"
    echo "  program $client s, X server $x s, sum $sum s"
}

peak_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# open_menu: waits for the menu window, into $menu, and its width, into $width.
open_menu() {
    within 20 find_window "" || { echo "  no menu window appeared"; return 1; }
    menu=$window
    width=$(window_width "$menu")
    [ -n "$width" ] || { echo "  cannot read the menu window's width"; return 1; }
}

# start_level_one: clicks Start in $menu until level one opens, into $level1.
start_level_one() {
    for _ in 1 2 3; do
        xdotool mousemove --window "$menu" $((width / 2 + 190)) 285 click 1
        within 5 find_window "Tromfel -Level1-" && level1=$window && return 0
    done
    echo "  Start did not open level one"
    return 1
}

# --- the scenes --------------------------------------------------------------

startup() {
    echo "Start-up, launch to the menu's window on screen (5 runs, ms):"
    startup_times=""
    for _ in 1 2 3 4 5; do
        start_xvfb
        start=$(now_ms)
        start_game
        until xdotool search --onlyvisible --class '^tromfel$' >/dev/null 2>&1; do
            [ $(($(now_ms) - start)) -lt 20000 ] || { echo "  no window within 20 s" >&2; exit 1; }
        done
        took=$(($(now_ms) - start))
        echo "  $took"
        startup_times="$startup_times $took"
        stop "$pid"
        stop_xvfb
    done
}

# The menu idle, then level one left alone.
scene_level_one() {
    echo "Menu, idle for 10 s, then level one left to bounce for $seconds s:"
    start_xvfb
    start_game
    open_menu || return 1
    pause 1
    idle_client_before=$(cpu_ticks "$pid")
    idle_x_before=$(cpu_ticks "$xvfb")
    pause 10
    idle_client=$(seconds_of $(($(cpu_ticks "$pid") - idle_client_before)))
    idle_x=$(seconds_of $(($(cpu_ticks "$xvfb") - idle_x_before)))
    echo "  menu idle: program $idle_client s, X server $idle_x s"
    start_level_one || return 1
    pause 1
    measure one "$pid" || return 1
    one_peak=$(peak_mb "$pid")
    echo "  peak resident memory $one_peak MB"
}

# win_level_one: steers the ball from tile (0,0) down to the flag during one
# bounce and waits for what follows; true once level two is open.
win_level_one() {
    within 5 ball_taking_off "$level1" || { outcome="the ball was never seen taking off"; return 1; }
    set --
    while [ $# -lt 28 ]; do set -- "$@" Down; done
    # Cut short by a vanished window, xdotool may leave Down held down, and
    # the server's key repeat would then steer whatever level comes next.
    xdotool key --delay 5 "$@" 2>/dev/null || xdotool keyup Down
    deadline=$(($(now_ms) + 10000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        gone "$pid" && { outcome="tromfel ended: $(tail -n 3 "$work/game.log")"; return 1; }
        if find_box; then
            box_seen=yes
            xdotool key Return 2>/dev/null || true
        elif find_window "Tromfel -Level1-" "$level1"; then
            level2=$window
            return 0
        elif find_window ""; then
            menu=$window
            outcome="the ball died"
            return 1
        fi
        sleep 0.05
    done
    if [ "$box_seen" = yes ]; then
        outcome="a message box came, but neither level two nor the menu followed it"
    else
        outcome="no message box titled Tromfel appeared and level one stayed open"
    fi
    return 1
}

scene_level_two() {
    echo "Level two, reached by winning level one, left to bounce for $seconds s:"
    start_xvfb
    start_game
    open_menu || return 1
    box_seen=no
    start_level_one || return 1
    for attempt in 1 2 3 4 5; do
        if win_level_one; then
            if [ "$box_seen" = yes ]; then
                echo "  reached on attempt $attempt, through the message box"
            else
                echo "  reached on attempt $attempt; no message box appeared on the way"
            fi
            within 5 gone_level_one || { echo "  level one stayed open beside level two"; return 1; }
            pause 1
            measure two "$pid" || return 1
            two_peak=$(peak_mb "$pid")
            echo "  peak resident memory $two_peak MB"
            return 0
        fi
        echo "  attempt $attempt: $outcome"
        [ "$outcome" = "the ball died" ] || break
        [ "$attempt" = 5 ] && outcome="the ball died on all 5 attempts"
        start_level_one || return 1
    done
    two_failure="level two not reached: $outcome"
    return 1
}

gone_level_one() { ! find_window "Tromfel -Level1-" "$level2"; }

# sweep_steps WINDOW: xdotool steps moving the pointer up and down through
# the title, "Start", the gap, "Exit" and the black below, every 20 ms, for
# longer than the measurement lasts.
sweep_steps() {
    awk -v w="$1" -v x=$((width / 2 + 170)) -v steps=$(((seconds + 10) * 50)) 'BEGIN {
        y = 130; dy = 6
        for (i = 0; i < steps; ++i) {
            printf "mousemove --window %s %d %d sleep 0.02 ", w, x, y
            if (y + dy > 400 || y + dy < 130) dy = -dy
            y += dy
        }
    }'
}

scene_menu_sweep() {
    echo "Menu, the pointer sweeping over the title, Start and Exit for $seconds s:"
    start_xvfb
    start_game
    open_menu || return 1
    # shellcheck disable=SC2046
    xdotool $(sweep_steps "$menu") >/dev/null 2>&1 &
    sweeper=$!
    running="$sweeper $running"
    pause 1
    measure sweep "$pid" || return 1
    gone "$sweeper" && { echo "  the pointer stopped sweeping before the end"; return 1; }
    stop "$sweeper"
    sweep_peak=$(peak_mb "$pid")
    echo "  peak resident memory $sweep_peak MB"
}

scene_bare() {
    echo "Bare SDL2 loop, full-screen window presented 64 times a second, $seconds s:"
    start_xvfb
    "$bare" $((seconds + 30)) >"$work/game.log" 2>&1 &
    pid=$!
    running="$pid $running"
    within 20 xdotool search --onlyvisible --name '^bare$' >/dev/null 2>&1 || { echo "  no window appeared"; return 1; }
    pause 2
    measure bare "$pid"
}

scene_cadence() {
    echo "Tick cadence over $seconds s:"
    start_xvfb
    "$cadence" "$seconds" >"$work/cadence.txt" 2>&1 &
    pid=$!
    running="$pid $running"
    within $((seconds + 30)) gone "$pid" || { echo "  tick_cadence did not end"; return 1; }
    stop "$pid"
    sed 's/^/  /' "$work/cadence.txt"
}

# run_scene NAME: runs scene_NAME, then stops whatever it left running
# (program, pointer sweep, X server), so that each scene has the machine alone.
run_scene() {
    status=0
    "scene_$1" || status=1
    for pid in $running; do stop "$pid"; done
    return "$status"
}

# --- the run -------------------------------------------------------------------

two_failure="level two not measured"
startup
run_scene level_one || true
run_scene level_two || true
run_scene menu_sweep || true
run_scene bare || true
run_scene cadence || true

# ratio A B: A / B with two decimals, or n/a.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }

row() {  # NAME LABEL
    if [ -s "$work/$1.cpu" ]; then
        read -r client x sum <"$work/$1.cpu"
        if [ "$1" = bare ]; then
            against="the reference"
        elif [ -s "$work/bare.cpu" ]; then
            read -r bare_client bare_x bare_sum <"$work/bare.cpu"
            against="ratio $(ratio "$sum" "$bare_sum") (client $(ratio "$client" "$bare_client"), X $(ratio "$x" "$bare_x"))"
        else
            against="no bare loop to compare with"
        fi
        echo "| $2 | client $client s | X server $x s | sum $sum s | $against |"
    elif [ "$1" = two ]; then
        echo "| $2 | $two_failure | | | |"
    else
        echo "| $2 | not measured | | | |"
    fi
}

echo
echo "CPU seconds over $seconds s, each program in its own Xvfb at 1280 x 1024 x 24:"
echo
echo "| what | program | X server | sum | against the bare loop: (program + X) / (bare + X) |"
echo "|---|---|---|---|---|"
row one "level one"
row two "level two"
row sweep "menu, pointer sweeping"
row bare "bare SDL2 loop"
echo
echo "| what | figure | how |"
echo "|---|---|---|"
echo "| start-up, launch to the menu on screen | $(echo "$startup_times" | tr ' ' '\n' | sort -n |
    awk 'NF {v[++n] = $1} END {printf "%d to %d ms", v[1], v[n]}') | \`bench/measure.sh build\` |"
[ -n "${idle_client:-}" ] &&
    echo "| CPU while the menu stands idle, 10 s | $idle_client s, X server $idle_x s | \`bench/measure.sh build\` |"
peak=$(printf '%s\n' "${one_peak:-}" "${two_peak:-}" "${sweep_peak:-}" | sort -n | tail -n 1)
[ -n "$peak" ] && echo "| peak resident memory | $peak MB | \`bench/measure.sh build\` |"
[ -s "$work/cadence.txt" ] && awk -v s="$seconds" '
    /per second/ { for (i = 1; i <= NF; ++i) if ($i == "per") rate = $(i - 1) }
    /shortest/ { gsub(",", ""); for (i = 1; i <= NF; ++i) { if ($i == "shortest") lo = $(i + 1); if ($i == "longest") hi = $(i + 1) } }
    END { printf "| tick cadence over %s s | %s ticks a second; gaps %.1f to %.1f ms | `bench/measure.sh build` |\n", s, rate, lo, hi }
' "$work/cadence.txt"
true
