#!/bin/sh
# One walk through the game under openbox, which keeps 40 px at the bottom
# of the display out of its work area: the menu fills the work area, its
# hover colours, a red label staying red as the pointer leaves the menu from
# it; level one maximized, drawn without trails and again where another
# window uncovers it; a death, whose box takes the keyboard and shows no
# icon; the way to level two, whose box shows the exclamation icon; the
# close button, and SIGINT with a box open, each ending the game with status 0.
# Usage: play_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
e2e_begin play_e2e "${1:?usage: play_e2e.sh PATH_TO_TROMFEL}"

# start_level1: Start opens a new, maximized level one; its client area's
# corner into $x $y; the pointer then goes away from the labels.
start_level1() {
    await menu "" || fail "no menu window (class tromfel, empty caption) appeared"
    point $start
    see menu-on-start "Start turns red under the pointer, Exit stays yellow" labels $red $yellow
    xdotool click 1
    await level "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start"
    within 20 maximized || fail "level one is not maximized: $(xprop -id "$level" _NET_WM_STATE)"
    set -- $(geometry "$level")
    x=$1 y=$2
    xdotool mousemove 900 700
}
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^_NET_FRAME_EXTENTS(CARDINAL) = //p' | tr -d ,; }
maximized() { [ "$(xprop -id "$level" _NET_WM_STATE | grep -o 'MAXIMIZED_[A-Z]*' | sort | tr '\n' ' ')" = "MAXIMIZED_HORZ MAXIMIZED_VERT " ]; }

# A message box after WHAT: drawn, with the keyboard focus; its area in $area.
await_box() {
    await box Tromfel || fail "no message box titled Tromfel after $1"
    area=$(geometry "$box")
    see box "the message box after $1 is drawn" has $box_grey $area
    within 20 [ "$(xdotool getwindowfocus)" = "$box" ] || fail "the message box never got the keyboard focus"
}
close_box() {
    xdotool key Return
    vanished Tromfel || fail "Return with the focus on the box did not close it"
}
differs() { ! same "$@"; }

start_xvfb
start_openbox
check "the work area is the display less 40 px at the bottom" [ "$(work_area)" = "0 0 1024 728" ]
menu_layout 1024
start_game
await menu "" || fail "no menu window (class tromfel, empty caption) appeared"
check "the menu fills the work area" [ "$(geometry "$menu")" = "0 0 1024 728" ]

# Straight from Exit to the margin below the menu, Exit stays red; with the
# left button held too, and releasing it out there is no click on Exit. A
# change that must not come has nothing to wait for: the game gets a second.
below_exit="$(set -- $exit_label && echo $(($1 + $3 / 2))) 750"
for how in "" "with the button held"; do
    point $exit_label
    see menu-on-exit "Exit turns red under the pointer, Start stays yellow" labels $yellow $red
    [ -n "$how" ] && xdotool mousedown 1
    xdotool mousemove $below_exit && sleep 1
    [ -n "$how" ] && xdotool mouseup 1 && sleep 1
    shoot menu-left
    check "Exit stays red with the pointer gone below the menu $how" labels $yellow $red
    xdotool mousemove 600 130
    see menu-on-title "the title picture makes both labels yellow again" labels $yellow $yellow
done
check "releasing the button below the menu is no click on Exit" running

start_level1
set -- $(geometry "$level") $(extents "$level")
check "level one's frame fills the work area" [ "$(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8))" = "0 0 1024 728" ]
see level1 "level one's obstacle tile (1,0) shows its picture" tile level1_obstacle $((x + 64)) $y

# Down 10 times, in three groups each waiting for the ball to land and take
# off again where the group took it (its middle row): tiles (0,0) and (0,1),
# which it left, then show just their picture.
takeoff $((y + 33)) || fail "the ball on tile (0,0) never took off"
for group in "3 73" "3 113" "4 166"; do
    set -- $group
    xdotool key --window "$level" --delay 20 $(printf 'Down %.0s' $(seq "$1"))
    takeoff $((y + $2)) || fail "the ball never took off again around row $2 after $1 more Downs"
done
shoot trails
check "tile (0,0), which the ball left, shows just its picture" tile level1_path $x $y
check "tile (0,1), which the ball crossed, shows just its picture" tile level1_path $x $((y + 64))

# Another client's window over part of the level, then gone: the game draws
# that part again.
convert "$shot" -crop 300x200+150+150 +repage "$e2e_work/uncovered.png"
spawn xev -geometry 300x200+100+100
see covered "xev's window covers part of level one" differs "$e2e_work/uncovered.png" 150 150
kill $!
see uncovered "level one draws again the part xev covered" same "$e2e_work/uncovered.png" 150 150

xdotool key --window "$level" --delay 20 Right Right Right Right
await_box "steering onto an obstacle"
check "the death box has no icon" lacks $warning $area
close_box
vanished "Tromfel -Level1-" || fail "level one stayed open after the death"

# The flag: 28 Downs right after a take-off, between two landings, carry
# the ball from tile (0,0) over the obstacle rows onto it.
start_level1
takeoff $((y + 33)) || fail "the ball on tile (0,0) never took off"
to_flag "$level"
await_box "28 Downs"
check "the ball is on the flag while the box is open" has $red $((x + 24)) $((y + 400)) 16 16
check "the winning box shows the exclamation icon" has $warning $area
close_box
await level2 "Tromfel -Level1-" "$level" || fail "level two did not open after the winning message"
vanished "Tromfel -Level1-" "$level2" || fail "level one stayed open after the winning message"
see level2 "level two's water tile (0,0) shows its picture" tile level2_obstacle $x $y
check "the bonus is shown" has $navy $((x + 560)) $((y + 176)) 96 80

# The close button: the rightmost on the title bar, as high as it is wide.
set -- $(extents "$level2")
xdotool mousemove $((1024 - $3 / 2)) $((y - $3 / 2)) click 1
expect_end "a click on level two's close button"

start_game
start_level1
xdotool key --window "$level" Right Right Right Right
await_box "steering onto an obstacle"
kill -INT "$(game_pid)"
expect_end "SIGINT with the death box open"
vanished Tromfel || fail "the message box stayed after the game had ended"
ok "the message box went with the game"
passed
