#!/bin/sh
# One walk through the game in a private Xvfb server without a window
# manager: the menu and its hover colours, level one drawn without trails and
# again where another window uncovers it, a death, the way to level two and
# its winning message, Escape; then SIGTERM in the menu and SIGINT while a
# message box is open, each ending the game with status 0.
# Usage: play_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
e2e_begin play_e2e "${1:?usage: play_e2e.sh PATH_TO_TROMFEL}"

# In the menu, Start opens a new level one; the pointer then leaves the labels.
start_level1() {
    await menu "" || fail "no menu window (class tromfel, empty caption) appeared"
    see menu "the menu shows both labels yellow" labels $yellow $yellow
    point $start
    see menu-on-start "Start turns red under the pointer, Exit stays yellow" labels $red $yellow
    xdotool click 1
    await level "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start"
    vanished "" || fail "the menu stayed open after clicking Start"
    xdotool mousemove 900 700
}

# await_box WHAT: a message box opens and is drawn; its area in $area.
await_box() {
    await box Tromfel || fail "no message box titled Tromfel $1"
    area=$(geometry "$box")
    see box "the message box $1 is drawn" has $box_grey $area
}

# close_box: Return closes the box.
close_box() {
    press "$box" Return
    vanished Tromfel || fail "Return did not close the message box"
}

differs() { ! same "$@"; }

start_xvfb
menu_layout
start_game

await menu "" || fail "no menu window (class tromfel, empty caption) appeared"
check "the menu fills the display" [ "$(geometry "$menu")" = "0 0 1024 768" ]
point $exit_label
see menu-on-exit "Exit turns red under the pointer, Start stays yellow" labels $yellow $red
xdotool mousemove 600 130
see menu-on-title "the title picture makes both labels yellow again" labels $yellow $yellow
start_level1
check "level one fills the display" [ "$(geometry "$level")" = "0 0 1024 768" ]
see level1 "level one's obstacle tile (1,0) shows its picture" tile level1_obstacle 64 0
check "the spring pad (2,2) shows its picture" tile level1_spring 128 128
check "the ball bounces on tile (0,0)" has $red 24 24 16 16

# Down 10 times, in three groups each waiting for the ball to land and take
# off again where the group took it (its middle row): tiles (0,0) and (0,1),
# which it left, then show just their picture.
takeoff || fail "the ball on tile (0,0) never took off"
for group in "3 73" "3 113" "4 166"; do
    set -- $group
    xdotool key --window "$level" --delay 20 $(printf 'Down %.0s' $(seq "$1"))
    takeoff "$2" || fail "the ball never took off again around row $2 after $1 more Downs"
done
shoot trails
check "tile (0,0), which the ball left, shows just its picture" tile level1_path 0 0
check "tile (0,1), which the ball crossed, shows just its picture" tile level1_path 0 64

# Another client's window over part of the level, then gone: the game draws
# that part again.
convert "$shot" -crop 300x200+100+100 +repage "$e2e_work/uncovered.png"
spawn xev -geometry 300x200+100+100
xev=$!
within 20 xdotool search --onlyvisible --name '^Event Tester$' >/dev/null || fail "xev's window was never shown"
see covered "xev's window covers part of level one" differs "$e2e_work/uncovered.png" 100 100
kill "$xev"
see uncovered "level one draws again the part xev covered" same "$e2e_work/uncovered.png" 100 100

xdotool key --window "$level" --delay 20 Right Right Right Right
await_box "after steering onto an obstacle"
check "the death box has no icon" lacks $warning $area
close_box
vanished "Tromfel -Level1-" || fail "level one stayed open after the death"

# The flag: 28 Downs between two landings carry the ball from tile (0,0) over
# the obstacle rows onto it. A try whose keys came too late ends in a death.
tries=0
until [ "$tries" = 3 ]; do
    tries=$((tries + 1))
    start_level1
    takeoff || fail "the ball on tile (0,0) never took off"
    to_flag "$level"
    await_box "after 28 Downs"
    has $red 24 400 16 16 && break
    ok "try $tries: the ball died on the way to the flag"
    close_box
done
check "the ball is on the flag while the box is open" has $red 24 400 16 16
check "the winning box shows the exclamation icon" has $warning $area
close_box
await level2 "Tromfel -Level1-" "$level" || fail "level two did not open after the winning message"
vanished "Tromfel -Level1-" "$level2" || fail "level one stayed open after the winning message"
see level2 "level two's water tile (0,0) shows its picture" tile level2_obstacle 0 0
check "path tile (2,1) shows its picture" tile level2_path 128 64
check "the bonus is shown" has $navy 560 176 96 80
press "$level2" Escape
expect_end "Escape in level two"

start_game
await menu "" || fail "no menu window appeared in a fresh game"
kill -TERM "$(game_pid)"
expect_end "SIGTERM in the menu"

start_game
start_level1
xdotool key --window "$level" Right Right Right Right
await_box "after steering onto an obstacle"
kill -INT "$(game_pid)"
expect_end "SIGINT with the death box open"
vanished Tromfel || fail "the message box stayed after the game had ended"
ok "the message box went with the game"
passed
