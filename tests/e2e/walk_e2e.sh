#!/usr/bin/env bash
# A presenter's way through Orbiqa, over a slide (the focus sink): the first settings file and the first-run notice,
# the spotlight held, a highlight swept and used, a press of ALT+F10 without a sweep, the options changed and saved, a
# change cancelled, a second copy refused, Exit from the tray, and a minimized start in toggle mode with the spotlight
# toggled by instant taps.
source "$(dirname "$0")/harness.sh"
[ -n "${DISPLAY:-}" ] || start_virtual_display 1280x800x24
prepare_wine_prefix
settings=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n1)/Orbiqa/Settings.dat
rm -f "$settings"
readonly DIM=80 # white beneath black at the default opacity 175: 255 * (255 - 175) / 255
# The swept rectangle, columns LEFT..RIGHT-1 and rows TOP..BOTTOM-1, around the chart.
readonly LEFT=300 TOP=200 RIGHT=700 BOTTOM=500

e2e_start orbiqa "$ORBIQA"
e2e_wait_until 60 "the first settings file" test -s "$settings"
expected=$(printf '%s\r\n' 0=0 2=175 54=1 55=120 56=1 57=121 1007=1 1008=0 1009=1 1010=1 1011=1 1012=0 \
  1013=1 1018=1 1019=0 1020=0 1022=0 1033=1 1064=0 1065=0 1066=1 1068=1 1125=0 1211=0)
# The file appears complete in one step, so it can be compared as soon as it exists.
[ "$(cat "$settings")" = "$expected" ] || e2e_fail "the first settings file: $(cat -A "$settings")"
e2e_wait_until 60 "the tray icon" e2e_window "Wine System Tray"
# Wine's balloon hangs below its tray window at the top left, on the grey root, for a few seconds.
e2e_wait_until 20 "the first-run notice" e2e_screen_shows 300,52:255 580,90:255
e2e_picture first-run-notice 600x102+0+0
e2e_pass "the first start wrote the 24 default lines with CR LF and told of itself in a balloon"

e2e_start_slide

# The cursor is in place before the keys go down, so every tick that sees them draws there.
xdotool mousemove 500 300 keydown alt+F9
e2e_wait_until 20 "the spotlight at (500,300) on the dimmed screen" e2e_screen_shows 500,300:255 1180,720:$DIM
e2e_picture spotlight
xdotool mousemove 900 560
e2e_wait_until 20 "the spotlight to follow to (900,560)" e2e_screen_shows 900,560:255 500,300:$DIM 1180,720:$DIM
xdotool keyup alt+F9
e2e_wait_until 20 "the screen to undim on release" e2e_screen_shows 900,560:255 1180,720:255 100,700:255
e2e_pass "ALT+F9 held dims to $DIM, lights the cursor, follows it, and undims on release"

# The anchor is the cursor at the first tick that sees the keys: the outline, 1x1 then,
# shows that this tick has passed before the cursor moves on.
edges() { # INSIDE OUTSIDE: the pixels just inside and just outside the rectangle's edges
  echo "$LEFT,$TOP:$1 $((RIGHT - 1)),$((BOTTOM - 1)):$1 $((LEFT - 1)),$TOP:$2 $LEFT,$((TOP - 1)):$2" \
    "$RIGHT,$((BOTTOM - 1)):$2 $((RIGHT - 1)),$BOTTOM:$2 100,700:$2 1000,100:$2"
}
xdotool mousemove $LEFT $TOP keydown alt+F10
outline_at_anchor() { e2e_orbiqa_windows | grep -q "^$LEFT $TOP "; }
e2e_wait_until 20 "the outline to start at the anchor" outline_at_anchor
xdotool mousemove 500 350 mousemove $RIGHT $BOTTOM
e2e_wait_until 20 "the outline over the swept rectangle" e2e_screen_shows $(edges blue 255)
e2e_picture highlight-sweep
xdotool keyup alt+F10
e2e_wait_until 20 "the swept rectangle lit on the dimmed screen" e2e_screen_shows $(edges 255 $DIM)
e2e_picture highlight
xdotool mousemove 650 480 click 1
e2e_wait_until 10 "the click inside the lit rectangle to reach the slide" grep -q "^click 650 480" "$E2E_EVENTS"
e2e_screen_shows $(edges 255 $DIM) || e2e_fail "the click inside the lit rectangle ended the highlight"
xdotool mousemove 100 700 click 1
e2e_wait_until 20 "the highlight to end" e2e_screen_shows $(edges 255 255)
! grep -q "^click 100 700" "$E2E_EVENTS" || e2e_fail "the click on the dimmed area reached the slide"
e2e_pass "ALT+F10 swept: the outline, then exactly that rectangle lit; clicks inside reach the slide, outside end it"

# ALT+F10 tapped, then held for a moment, without a move: a sweep of no size lights nothing,
# so the spotlight answers at once and the screen undims.
xdotool mousemove 900 560 key --delay 0 alt+F10 keydown alt+F10 sleep 0.2 keyup alt+F10 keydown alt+F9
e2e_wait_until 20 "the spotlight after an empty sweep" e2e_screen_shows 900,560:255 1180,720:$DIM
xdotool keyup alt+F9
e2e_wait_until 20 "the screen to undim" e2e_screen_shows 900,560:255 1180,720:255 100,700:255
e2e_pass "ALT+F10 pressed without a sweep lights nothing; ALT+F9 still shows the spotlight"

# The tray icon is the first cell of Wine's tray window, which is not top-most like the
# taskbar on Windows: it is raised above the slide first.
to_tray_icon() {
  local tray
  e2e_wait_until 20 "the tray window" e2e_window "Wine System Tray"
  tray=$(e2e_window "Wine System Tray")
  xdotool windowraise "$tray"
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 12)) $((Y + HEIGHT - 13))
}
# Places in the options window are relative to its corner; the cursor leaves after a
# click, since the control under it is drawn in another colour.
open_options() {
  to_tray_icon
  xdotool click --repeat 2 --delay 80 1
  e2e_wait_until 30 "the options window" e2e_window "Orbiqa Options"
  options=$(e2e_window "Orbiqa Options")
  eval "$(xdotool getwindowgeometry --shell "$options")"
  [ "$X,$Y" = "$((640 - WIDTH / 2)),10" ] || e2e_fail "the options window is at $X,$Y, not centred at the top"
}
click_options() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1 mousemove 1200 780; }
radio_checked() { e2e_screen_shows "$((X + $1)),$((Y + $2)):0"; } # its dot is black
options_closed() { ! e2e_window "Orbiqa Options" && e2e_screen_shows 1000,700:255; }

open_options
# Wine's compositor draws the overlay black while a dialog is mapped above it; unmapped for a moment, the dialog shows
# the preview: the large circle, 300 px across, centred, its lowest row 30 px above the bottom.
e2e_wait_until 20 "the options window drawn, Large checked, on the dark screen" e2e_screen_shows 1000,700:0 100,100:0 \
  $((X + 238)),$((Y + 222)):0
e2e_picture options-main "${WIDTH}x$HEIGHT+$X+$Y"
xdotool windowunmap --sync "$options"
e2e_wait_until 20 "the preview spotlight" e2e_screen_shows 500,618:255 779,618:255 640,476:255 640,759:255 \
  470,618:$DIM 809,618:$DIM 640,446:$DIM 640,785:$DIM
e2e_picture options-preview
xdotool windowmap --sync "$options"
click_options 70 101  # "Enable Blur"
click_options 314 221 # "Extra Large"
e2e_wait_until 20 "Extra Large checked" radio_checked 314 221
click_options 91 39   # the "Misc" tab
click_options 62 309  # "Toggle Mode ..."
click_options 368 536 # OK
saved() { [ "$(grep -cE $'^(1022=1|1125=1|1013=0|1018=0|1020=1)\r$' "$settings")" = 5 ]; }
e2e_wait_until 30 "Enable Blur, Extra Large and Toggle Mode in the settings file" saved
e2e_wait_until 30 "the options window and the overlay to close" options_closed
cp "$settings" "$E2E_WORK/saved"
e2e_pass "the options open from the tray over the dimmed screen with the preview; OK saves a change"

open_options          # again on the Misc page
click_options 62 285  # "Hold Mode ..."
e2e_wait_until 20 "Hold Mode checked" radio_checked 62 285
e2e_picture options-misc "${WIDTH}x$HEIGHT+$X+$Y"
click_options 434 536 # Cancel
e2e_wait_until 30 "the options window and the overlay to close" options_closed
cmp -s "$E2E_WORK/saved" "$settings" || e2e_fail "Cancel changed the settings file"
e2e_pass "Cancel throws a change away"

WINEDEBUG=trace+msgbox e2e_start second "$ORBIQA" 2>"$E2E_WORK/second.log"
e2e_wait_until 60 "the notice of the second copy" e2e_window Quorvel
grep -q 'L"Only one instance of Orbiqa can run at a time"' "$E2E_WORK/second.log" || e2e_fail "the notice's text"
xdotool windowfocus --sync "$(e2e_window Quorvel)" key Return
e2e_expect_exit "$second" "the second copy"
kill -0 "$orbiqa" || e2e_fail "the first copy ended too"
e2e_pass "a second copy says \"Only one instance of Orbiqa can run at a time\" in \"Quorvel\" and ends with 0"

# Exit is the second of the menu's two items of equal height. The menu is Orbiqa's
# visible window that is neither full-screen nor a 1x1 helper.
menu() { e2e_orbiqa_windows | awk '$3 > 1 && $3 < 1280 { print; found = 1 } END { exit !found }'; }
exit_from_tray() { # PID
  to_tray_icon
  xdotool click 3
  e2e_wait_until 20 "the tray menu" menu
  read -r X Y WIDTH HEIGHT < <(menu)
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 3 / 4)) click 1
  e2e_expect_exit "$1" "Orbiqa"
}
exit_from_tray "$orbiqa"
cmp -s "$E2E_WORK/saved" "$settings" || e2e_fail "Exit changed the settings file"
e2e_pass "the tray menu's Exit ends Orbiqa with 0 and saves nothing"

# The presenter starts Orbiqa again, in toggle mode now, from a shortcut set to run minimized, as at log-on: the
# spotlight comes up shown without taking the keyboard from the slide, of the size saved by OK (the blurred extra
# large one lights 158 px below the cursor, beyond the large one's edge), and not minimized (Wine draws a minimized
# layered window all the same, but marks its X window iconic). A remote sends press and release at once, which no poll
# of the key state sees; presses within 500 ms of a flip are ignored.
xdotool mousemove 1000 700 click 1 mousemove 500 300
e2e_wait_until 10 "the slide to be active again" e2e_slide_active
"$(wine_loader_for "$ORBIQA")" start /wait /min /unix "$ORBIQA" &
E2E_PIDS="$E2E_PIDS $!" && orbiqa=$!
spotlight() { e2e_screen_shows 500,300:255 500,458:255 1180,720:$DIM; }
e2e_wait_until 60 "the extra large spotlight at the start" spotlight
e2e_slide_active || e2e_fail "the start took the keyboard from the slide"
overlay=$(xwininfo -root -children | awk '/"orbiqa.exe"/ && / 1280x800\+0\+0 / { print $1 }')
! xprop -id "$overlay" WM_HINTS | grep -q Iconic || e2e_fail "the overlay is minimized"
undimmed() { e2e_screen_shows 500,300:255 1180,720:255; }
xdotool key --delay 0 alt+F9
e2e_wait_until 20 "the screen to undim on a tap" undimmed
xdotool sleep 0.6 key --delay 0 alt+F9
e2e_wait_until 20 "the spotlight on the next tap" spotlight
e2e_picture spotlight-blur
xdotool sleep 0.6 key --delay 0 alt+F9
e2e_wait_until 20 "the screen to undim on the third tap" undimmed
exit_from_tray "$orbiqa"
e2e_pass "a minimized start in toggle mode shows the spotlight and keeps the slide's keyboard; instant taps turn it off and on"
