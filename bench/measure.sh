#!/bin/sh
# Whole-process figures of the real game in a private Xvfb server: start-up
# time, CPU use while playing level one and idling in the menu against a bare
# SDL2 program, peak resident memory, and the tick cadence.
# Usage: bench/measure.sh BUILD_DIR [SECONDS]
set -eu
build=$(cd "$1" && pwd)
seconds=${2:-20}
export SDL_AUDIODRIVER=dummy

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
cpu_seconds_over() {  # PID SECONDS: CPU seconds the process uses in that time
    before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
    echo "$before $after $ticks_per_second" | awk '{printf "%.3f", ($2 - $1) / $3}'
}
now_ms() { date +%s%3N; }

echo "Start-up, launch to the menu's window on screen (5 runs, ms):"
for _ in 1 2 3 4 5; do
    start=$(now_ms)
    "$build/tromfel" &
    pid=$!
    until xdotool search --onlyvisible --classname tromfel >/dev/null 2>&1; do :; done
    echo "  $(($(now_ms) - start))"
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

"$build/tromfel" &
game=$!
until xdotool search --onlyvisible --classname tromfel >/dev/null 2>&1; do sleep 0.01; done
sleep 1
menu_cpu=$(cpu_seconds_over "$game" 10)
echo "Menu, idle for 10 s: $menu_cpu s of CPU"
xdotool mousemove 650 262 click 1
xdotool search --sync --onlyvisible --name 'Tromfel -Level1-' >/dev/null
sleep 1
game_cpu=$(cpu_seconds_over "$game" "$seconds")
echo "Level one, left to bounce for $seconds s: $game_cpu s of CPU"
echo "Peak resident memory: $(awk '/VmHWM/ {print $2 / 1024 " MB"}' "/proc/$game/status")"
kill "$game"; wait "$game" 2>/dev/null || true

"$build/bench/bare_sdl" $((seconds + 5)) &
bare=$!
sleep 2
bare_cpu=$(cpu_seconds_over "$bare" "$seconds")
echo "Bare SDL2 window, $seconds s: $bare_cpu s of CPU"
kill "$bare" 2>/dev/null; wait "$bare" 2>/dev/null || true
echo "$game_cpu $bare_cpu" | awk '{printf "CPU ratio, game to bare SDL2: %.2f\n", $1 / $2}'

echo "Tick cadence over $seconds s:"
"$build/bench/tick_cadence" "$seconds" | sed 's/^/  /'
