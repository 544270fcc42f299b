#!/bin/sh
# End-to-end test of the game in a private Xvfb server: the menu's layout
# and hover colour, Start opening level one, its tiles and ball, a death
# leading back to the menu, and Escape ending the program with status 0.
# Usage: game_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/xvfb_lib.sh
. "$(dirname "$0")/xvfb_lib.sh"
e2e_begin game_e2e "${1:?usage: game_e2e.sh PATH_TO_TROMFEL}"

# The menu on a 1024 x 768 display, from its load step: the title picture
# (350 x 250) at (512, 6.67), "Start" (113 x 57) at (645.33, 256.67) and
# "Exit" (81 x 57) at (652, 323.33). The label rectangles below are their
# whole pixels.
start_x=646 start_y=257 start_w=112 start_h=56
exit_x=652 exit_y=324 exit_w=80 exit_h=56

start_xvfb
start_game

within 20 find_window "" || fail "no menu window (class tromfel, empty caption) appeared"
menu=$window
ok "the menu window $menu opened with an empty caption"
expect_fills_display "$menu" "the menu"

shoot menu
within 20 shows_some $start_x $start_y $start_w $start_h FFFF00 ||
    fail "the menu never showed yellow in the Start label's rectangle"
ok "the menu is drawn"

# Points where the picture is white two pixels around, so that either way of
# rounding its fractional top lands on white.
expect_pixel 754 98 FFFFFF "the title's lettering"
expect_pixel 702 129 FFFFFF "the title's lettering"
expect_pixel 789 153 FFFFFF "the title's lettering"
expect_some 512 7 350 249 BB0000 "the title's red glow"
expect_pixel 512 7 000000 "the title picture's top-left corner"
expect_pixel 861 7 000000 "the title picture's top-right corner"
expect_pixel 512 256 000000 "the title picture's bottom-left corner"
expect_pixel 861 256 000000 "the title picture's bottom-right corner"
expect_black 0 0 512 768 "left of the title picture"
expect_black 862 0 162 768 "right of the title picture"
expect_some $start_x $start_y $start_w $start_h FFFF00 "the Start label"
expect_none $start_x $start_y $start_w $start_h FF0000 "the Start label before hovering"
expect_some $exit_x $exit_y $exit_w $exit_h FFFF00 "the Exit label"
expect_black 0 390 1024 378 "below the Exit label"

xdotool mousemove 700 285 || fail "xdotool could not move the pointer"
shoot menu-over-start
within 20 shows_some $start_x $start_y $start_w $start_h FF0000 ||
    fail "Start did not turn red with the pointer over it"
ok "Start turned red with the pointer over it"
expect_none $start_x $start_y $start_w $start_h FFFF00 "Start with the pointer over it"
expect_some $exit_x $exit_y $exit_w $exit_h FFFF00 "Exit while the pointer is over Start"

xdotool mousemove 200 600 || fail "xdotool could not move the pointer"
shoot menu-pointer-away
within 20 shows_some $start_x $start_y $start_w $start_h FFFF00 ||
    fail "Start did not turn yellow again with the pointer on the empty menu"
ok "Start turned yellow again with the pointer on the empty menu"
expect_none $start_x $start_y $start_w $start_h FF0000 "Start with the pointer on the empty menu"

xdotool mousemove 700 285 || fail "xdotool could not move the pointer"
shoot menu-over-start-again
within 20 shows_some $start_x $start_y $start_w $start_h FF0000 ||
    fail "Start did not turn red again with the pointer over it"
ok "Start turned red again with the pointer over it"
xdotool click 1 || fail "xdotool could not click"
within 20 find_window "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start"
level=$window
ok "clicking Start opened the window $level captioned 'Tromfel -Level1-'"
within 20 no_window "" || fail "the menu stayed open after clicking Start"
ok "the menu closed"
expect_fills_display "$level" "level one"
# Away from the menu's labels, where the menu will open again.
xdotool mousemove 900 700 || fail "xdotool could not move the pointer"

# Level one: 9 x 7 tiles of 64 px from 0,0; the ball bounces on tile (0,0).
shoot level1
within 20 shows 128 0 AF0000 || fail "level one's obstacle tile (2,0) never showed #AF0000 at (128,0)"
ok "level one is drawn"
expect_pixel 64 0 AF0000 "obstacle tile (1,0)'s corner"
expect_pixel 192 192 AF0000 "obstacle tile (3,3)'s corner"
expect_pixel 320 128 AF0000 "obstacle tile (5,2)'s corner"
expect_pixel 512 384 AF0000 "obstacle tile (8,6)'s corner"
expect_some 192 192 64 64 FF4343 "obstacle tile (3,3)'s bubbles"
expect_pixel 0 64 000000 "path tile (0,1)'s outer line"
expect_pixel 2 66 C0C0C0 "path tile (0,1)'s light band"
expect_pixel 5 69 000000 "path tile (0,1)'s inner line"
expect_pixel 32 96 808080 "path tile (0,1)'s middle"
expect_pixel 32 160 808080 "path tile (0,2)'s middle"
expect_pixel 416 160 808080 "path tile (6,2)'s middle"
expect_pixel 480 160 808080 "path tile (7,2)'s middle"
expect_pixel 160 416 808080 "path tile (2,6)'s middle"
expect_pixel 288 416 808080 "path tile (4,6)'s middle"
expect_pixel 416 416 808080 "path tile (6,6)'s middle"
expect_pixel 295 99 BB0000 "spring pad (4,1)'s J"
expect_pixel 167 163 BB0000 "spring pad (2,2)'s J"
expect_pixel 551 163 BB0000 "spring pad (8,2)'s J"
expect_pixel 551 355 BB0000 "spring pad (8,5)'s J"
expect_pixel 17 409 FFFFFF "the flag's white square on tile (0,6)"
expect_pixel 27 410 000000 "the flag's black square on tile (0,6)"
expect_pixel 32 32 FF0000 "the ball on tile (0,0)"
expect_black 576 0 448 768 "right of the grid"
expect_black 0 448 576 320 "below the grid"

xdotool key --window "$level" --delay 5 Right Right Right Right || fail "xdotool could not send Right"
ok "sent Right 4 times"
within 20 find_box || fail "no message box titled Tromfel within 20 s of moving onto the obstacles"
ok "the message box $box opened"
shoot dead-box
xdotool keydown --window "$box" Return || fail "xdotool could not send Return to the message box"
within 20 no_box || fail "Return did not close the message box"
ok "Return closed the message box"
within 20 no_window "Tromfel -Level1-" || fail "level one stayed open after the death"
ok "level one closed"
within 20 find_window "" || fail "the menu did not open again after the death"
menu=$window
ok "the menu window $menu opened again"

shoot menu-again
within 20 shows_some $start_x $start_y $start_w $start_h FFFF00 ||
    fail "the menu opened again but never showed yellow in the Start label's rectangle"
ok "the menu opened again shows a yellow Start"
expect_none $start_x $start_y $start_w $start_h FF0000 "Start in the menu opened again, the pointer away"
expect_some $exit_x $exit_y $exit_w $exit_h FFFF00 "the Exit label in the menu opened again"
expect_pixel 702 129 FFFFFF "the title's lettering in the menu opened again"

escape_ends_game "$menu"
passed
