#!/bin/sh
# The game under openbox, which keeps 40 px at the bottom of the display out
# of its work area: the menu fills the work area and keeps a red label red
# when the pointer leaves it straight from the label, level one is maximized
# into it, a message box takes the keyboard focus, and the level window's
# close button ends the game with status 0.
# Usage: openbox_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
e2e_begin openbox_e2e "${1:?usage: openbox_e2e.sh PATH_TO_TROMFEL}"

# extents ID: the frame's "LEFT RIGHT TOP BOTTOM" around the window.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^_NET_FRAME_EXTENTS(CARDINAL) = //p' | tr -d ,; }

# frame ID: "X Y WIDTH HEIGHT" of the window with its frame.
frame() {
    set -- $(geometry "$1") $(extents "$1")
    echo $(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8))
}

maximized() {
    [ "$(xprop -id "$1" _NET_WM_STATE | grep -o 'MAXIMIZED_[A-Z]*' | sort | tr '\n' ' ')" = "MAXIMIZED_HORZ MAXIMIZED_VERT " ]
}

focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

start_xvfb
start_openbox
menu_layout
start_game

check "the work area is the display less 40 px at the bottom" [ "$(work_area)" = "0 0 1024 728" ]
await menu "" || fail "no menu window (class tromfel, empty caption) appeared"
check "the menu fills the work area" [ "$(geometry "$menu")" = "0 0 1024 728" ]
see menu "the menu is drawn, both labels yellow" labels $yellow $yellow

# Straight from Exit to the margin below the menu: no motion over the menu's
# background comes between, so Exit stays red; with the left button held
# too, and releasing it out there is no click on Exit. A change that must
# not come has nothing to wait for: the game gets a second to show it.
below_exit="$(set -- $exit_label && echo $(($1 + $3 / 2))) 750"
point $exit_label
see menu-on-exit "Exit turns red under the pointer" labels $yellow $red
xdotool mousemove $below_exit
sleep 1
shoot menu-left
check "Exit stays red with the pointer gone below the menu" labels $yellow $red
xdotool mousemove 200 600
see menu-on-background "the background makes both labels yellow" labels $yellow $yellow
point $exit_label
see menu-on-exit-again "Exit turns red under the pointer again" labels $yellow $red
xdotool mousedown 1 mousemove $below_exit
sleep 1
xdotool mouseup 1
sleep 1
shoot menu-dragged
check "Exit stays red, dragged below the menu with the button held" labels $yellow $red
check "releasing the button below the menu is no click on Exit" running

point $start
see menu-on-start "Start turns red under the pointer" labels $red $yellow
xdotool click 1
await level "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start"
within 20 maximized "$level" || fail "level one is not maximized: $(xprop -id "$level" _NET_WM_STATE)"
ok "level one is maximized"
check "level one's frame fills the work area" [ "$(frame "$level")" = "0 0 1024 728" ]
set -- $(geometry "$level")
see level1 "level one is drawn from its client area's corner" tile level1_obstacle $(($1 + 64)) "$2"

xdotool key --window "$level" Right Right Right Right
await box Tromfel || fail "no message box titled Tromfel after steering onto an obstacle"
within 20 focused "$box" || fail "the message box never got the keyboard focus: $(xdotool getwindowfocus)"
ok "the message box has the keyboard focus"
xdotool key Return
vanished Tromfel || fail "Return with the focus on the box did not close it"
ok "Return closed the box"

# The close button: the rightmost on the title bar, as high as it is wide.
await menu "" || fail "the menu did not open again after the death"
point $start
xdotool click 1
await level "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start again"
within 20 maximized "$level" || fail "level one is not maximized the second time"
set -- $(geometry "$level") $(extents "$level")
xdotool mousemove $(($1 + $3 - $7 / 2)) $(($2 - $7 / 2)) click 1
expect_end "a click on level one's close button"
passed
