#!/bin/sh
# End-to-end test of the way to level two in a private Xvfb server: Start,
# Down 28 times during level one's first bounce, the ball landing on the
# flag, the winning message, level two's tiles, and Escape ending the
# program with status 0.
# Usage: level2_e2e.sh PATH_TO_TROMFEL
set -u
# shellcheck source=tests/e2e/xvfb_lib.sh
. "$(dirname "$0")/xvfb_lib.sh"
e2e_begin level2_e2e "${1:?usage: level2_e2e.sh PATH_TO_TROMFEL}"

start_xvfb
start_game

within 20 find_window "" || fail "no menu window (class tromfel, empty caption) appeared"
ok "the menu window $window opened"
shoot menu
# Yellow in the "Start" label's rectangle: the menu is drawn.
within 20 shows_some 646 257 112 56 FFFF00 || fail "the menu never showed its yellow Start label"
ok "the menu is drawn"
xdotool mousemove 700 285 || fail "xdotool could not move the pointer"
within 20 shows_some 646 257 112 56 FF0000 || fail "Start did not turn red with the pointer over it"
xdotool click 1 || fail "xdotool could not click"

# All 28 keys must arrive before the first landing, 83 ticks (1.3 s) after
# the window opens: one landing among them finds the ball over an obstacle.
within 20 find_window "Tromfel -Level1-" || fail "no window captioned 'Tromfel -Level1-' after clicking Start"
level1=$window
set --
while [ $# -lt 28 ]; do set -- "$@" Down; done
xdotool key --window "$level1" --delay 5 "$@" || fail "xdotool could not send Down"
ok "level one opened as window $level1 and got Down 28 times"

within 20 find_box || fail "no message box titled Tromfel within 20 s of steering to the flag"
ok "the message box $box opened"
shoot box
# The ball as the landing tick found it, over the flag on tile (0,6); the
# box stands over the grid's middle.
[ "$(pixel 32 405)" = FF0000 ] ||
    fail "the ball was not over the flag at (32,405) when the box opened: it died (did the landing come while the Down keys were arriving?)"
ok "the ball is over the flag at (32,405) while the box is open"
xdotool keydown --window "$box" Return || fail "xdotool could not send Return to the message box"
within 20 no_box || fail "Return did not close the message box"
ok "Return closed the message box"

# The same caption as level one, in a new window; the menu instead means
# the box said "You are dead".
opened_after_box() { find_window "Tromfel -Level1-" "$level1" || find_window ""; }
within 20 opened_after_box || fail "neither level two nor the menu opened after the message box"
[ "$(xdotool getwindowname "$window")" = "Tromfel -Level1-" ] ||
    fail "the menu opened after the message box: the ball died instead of landing on the flag"
level2=$window
ok "a new window $level2 captioned 'Tromfel -Level1-' opened"
within 20 no_window "Tromfel -Level1-" "$level2" || fail "level one stayed open after the winning message"
ok "level one closed"
expect_fills_display "$level2" "level two"

# Level two: 11 x 9 tiles of 64 px from 0,0, water where level one has
# dark red.
shoot level2
within 20 shows 64 0 0000F3 || fail "level two's water tile (1,0) never showed #0000F3 at (64,0)"
ok "level two is drawn"
expect_pixel 0 0 0000F3 "water tile (0,0)'s corner"
expect_pixel 256 256 0000F3 "water tile (4,4)'s corner"
expect_pixel 0 320 0000F3 "water tile (0,5)'s corner"
expect_pixel 640 512 0000F3 "water tile (10,8)'s corner"
expect_some 256 256 64 64 7F7FFF "water tile (4,4)'s wavy lines"
expect_pixel 128 64 000000 "path tile (2,1)'s outer line"
expect_pixel 130 66 C0C0C0 "path tile (2,1)'s light band"
expect_pixel 133 69 000000 "path tile (2,1)'s inner line"
expect_pixel 160 96 FFFFFF "path tile (2,1)'s middle"
expect_pixel 160 224 FFFFFF "path tile (2,3)'s middle"
expect_pixel 352 96 FFFFFF "path tile (5,1)'s middle"
expect_pixel 480 96 FFFFFF "path tile (7,1)'s middle"
expect_pixel 608 96 FFFFFF "path tile (9,1)'s middle"
expect_pixel 608 416 FFFFFF "path tile (9,6)'s middle"
expect_pixel 352 544 FFFFFF "path tile (5,8)'s middle"
expect_pixel 103 547 37FF37 "spring pad (1,8)'s J"
expect_pixel 423 547 37FF37 "spring pad (6,8)'s J"
expect_pixel 615 355 37FF37 "spring pad (9,5)'s J"
expect_pixel 551 355 37FF37 "spring pad (8,5)'s J"
expect_pixel 145 345 FFFFFF "the flag's white square on tile (2,5)"
expect_pixel 155 346 000000 "the flag's black square on tile (2,5)"
expect_some 560 176 96 80 000080 "the bonus picture"
expect_pixel 32 541 FF0000 "the ball on tile (0,8)"
expect_black 710 0 1 768 "the column x=710"
expect_black 704 0 320 768 "right of the grid"
expect_black 0 576 704 192 "below the grid"

escape_ends_game "$level2"
passed
