#!/bin/sh
# One walk through the game as installed, under openbox, which keeps 40 px at
# the bottom of the display out of its work area: the first landing plays the
# sound that lies beside the installed game; the menu fills the work area, its
# hover colours, a red label staying red as the pointer leaves the menu from
# it; level one maximized, drawn without trails and again where another
# window uncovers it; a death with Space held, whose box is a modal dialog
# with the keyboard and the arrow pointer, shows no icon, comes back when the
# level is clicked and waits for a fresh press; the way to level two, whose
# box shows the exclamation icon, takes the keyboard back from the level and
# closes on a single click without it; level one un-maximised to fit the work
# area and moved to its corner, whose box opens on screen; the close button,
# SIGINT with a box open, and SIGTERM while still starting, each ending the
# game with status 0.
# Usage: play_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
e2e_begin play_e2e "${1:?usage: play_e2e.sh PATH_TO_TROMFEL}"

# The walk plays the game as installed: bin/tromfel a link into lib/tromfel,
# where its sounds lie beside it.
cmake --install "$(dirname "$e2e_game")" --prefix "$e2e_work/prefix" >"$e2e_work/install.log" || fail "cannot install"
(cd "$e2e_work/prefix/lib/tromfel" && ls tromfel jump.wav path.wav won.wav 10.wav) >/dev/null || fail "lib/tromfel lacks a file"
[ "$(readlink "$e2e_work/prefix/bin/tromfel")" = ../lib/tromfel/tromfel ] || fail "bin/tromfel is no link into lib/tromfel"
e2e_game=$e2e_work/prefix/bin/tromfel

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
# frame ID: "X Y WIDTH HEIGHT" of the window with its frame.
frame() { set -- $(geometry "$1") $(extents "$1") && echo $(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8)); }
maximized() { [ "$(xprop -id "$level" _NET_WM_STATE | grep -o 'MAXIMIZED_[A-Z]*' | sort | tr '\n' ' ')" = "MAXIMIZED_HORZ MAXIMIZED_VERT " ]; }

# A message box after WHAT: drawn, with the keyboard focus; its area in $area.
await_box() {
    await box Tromfel || fail "no message box titled Tromfel after $1"
    area=$(geometry "$box")
    see box "the message box after $1 is drawn" has $box_grey $area
    focused || fail "the message box never got the keyboard focus"
}
focused() { within 20 [ "$(xdotool getwindowfocus)" = "$box" ]; }

start_xvfb
start_openbox

# SIGTERM the moment the game has its handlers, while it still waits for an
# X server that will never answer: handled before the display is opened.
spawn Xvfb -displayfd 3 -nolisten tcp 3>"$e2e_work/stopped" && xvfb=$!
within 20 test -s "$e2e_work/stopped" && kill -STOP $xvfb
DISPLAY=:$(cat "$e2e_work/stopped") start_game
within 20 eval '[ $((0x$(sed -n "s/^SigCgt:\t//p" /proc/$(game_pid)/status) >> 14 & 1)) = 1 ]' || fail "the game never handled SIGTERM while its X server did not answer"
kill -TERM "$(game_pid)"
expect_end "SIGTERM while the game waited for its X server"
check "the work area is the display less 40 px at the bottom" [ "$(work_area)" = "0 0 1024 728" ]
menu_layout 1024
start_game strace -f --seccomp-bpf -e trace=openat -o "$e2e_work/openat.log"
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
check "level one's frame fills the work area" [ "$(frame "$level")" = "0 0 1024 728" ]
see level1 "level one's obstacle tile (1,0) shows its picture" tile level1_obstacle $((x + 64)) $y

# Another client's window over part of the level, then gone: the game draws
# that part again.
convert "$shot" -crop 300x200+150+150 +repage "$e2e_work/uncovered.png"
spawn xev -geometry 300x200+100+100
see covered "xev's window covers part of level one" eval '! same "$e2e_work/uncovered.png" 150 150'
kill $!
see uncovered "level one draws again the part xev covered" same "$e2e_work/uncovered.png" 150 150

# Down 10 times, in three groups each waiting for the ball to land and take
# off again where the group took it (its middle row): tiles (0,0) and (0,1),
# which it left, then show just their picture.
takeoff $((y + 33)) || fail "the ball on tile (0,0) never took off"
check "the first landing played the installed path.wav" \
    grep -q "/prefix/lib/tromfel/path.wav\", O_RDONLY[^)]*) = [0-9]" "$e2e_work/openat.log"
for group in "3 73" "3 113" "4 166"; do
    set -- $group
    xdotool key --delay 20 $(printf 'Down %.0s' $(seq "$1"))
    takeoff $((y + $2)) || fail "the ball never took off again around row $2 after $1 more Downs"
done
shoot trails

# Space held from before the death: right after that take-off, 8 Rights
# carry the ball onto column 1, all obstacles, and Space goes down 0.3 s
# later; its steps up and left until the landing keep the ball there. The
# box waits, through Space's repeats and its release, for a fresh press.
xdotool key --delay 20 Right Right Right Right Right Right Right Right sleep 0.3 keydown space
check "tile (0,0), which the ball left, shows just its picture" tile level1_path $x $y
check "tile (0,1), which the ball crossed, shows just its picture" tile level1_path $x $((y + 64))

await_box "steering onto an obstacle with Space held"
check "the death box has no icon" lacks $warning $area
check "the box is a modal dialog" [ "$(xprop -id "$box" _NET_WM_WINDOW_TYPE _NET_WM_STATE | grep -c '= _NET_WM_[A-Z_]*\(DIALOG\|MODAL\)$')" = 2 ]
set -- $area
set -- $(($1 + $3 - 30)) $(($2 + 3)) 16 16
# The server's own copy of its screen shows the pointer too.
xdotool mousemove "$1" "$2" && sleep 1 && shoot pointer-on-box && convert "xwd:$e2e_work/Xvfb_screen0" "$shot"
check "the pointer over the box is the black and white arrow, not the level's blue dot" \
    eval "has 000000 $* && has FFFFFF $* && lacks 0000FF $*"
xdotool keyup space && sleep 1
check "the box stays through Space held for a second and released" shown Tromfel
xdotool mousemove 100 600 click 1
focused || fail "a click on level one did not give the keyboard back to its box"
xdotool key space
vanished Tromfel || fail "a fresh Space did not close the box"
vanished "Tromfel -Level1-" || fail "level one stayed open after the death"

# The flag: 28 Downs right after a take-off, between two landings, carry
# the ball from tile (0,0) over the obstacle rows onto it.
start_level1
takeoff $((y + 33)) || fail "the ball on tile (0,0) never took off"
to_flag
await_box "28 Downs"
check "the ball is on the flag while the box is open" has $red $((x + 24)) $((y + 400)) 16 16
check "the winning box shows the exclamation icon" has $warning $area
xdotool windowfocus "$level"
focused || fail "level one given the keyboard did not pass it back to its box"
xdotool mousemove 500 750 click 1
within 20 [ "$(xdotool getwindowfocus)" != "$box" ] || fail "a click on the desktop left the focus on the box"
set -- $area && xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 - 30)) click 1
vanished Tromfel || fail "a single click on OK did not close a box that had no focus"
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
xdotool mousemove 300 $((y / 2)) click --repeat 2 --delay 80 1
within 20 eval '! maximized && [ "$(frame "$level")" = "0 0 1024 728" ]' || fail "restored, level one's frame is not the work area"
xdotool mousedown 1 mousemove_relative 20 20 sleep 0.2 mousemove 1000 $((y / 2 + 500)) sleep 0.2 mouseup 1
within 20 eval '[ "$(frame "$level" | cut -d" " -f1-2)" = "700 500" ]' || fail "level one was not moved to 700,500: $(frame "$level")"
xdotool mousemove 50 50 key Right Right Right Right
await_box "steering onto an obstacle in the moved level"
set -- $(frame "$box")
check "the box lies wholly on the work area" [ "$1" -ge 0 -a "$2" -ge 0 -a $(($1 + $3)) -le 1024 -a $(($2 + $4)) -le 728 ]
kill -INT "$(game_pid)"
expect_end "SIGINT with the death box open"
vanished Tromfel || fail "the message box stayed after the game had ended"

passed
