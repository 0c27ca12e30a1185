#!/usr/bin/env bash
# A presenter's own colours and the laser pointer, over the slide: a settings file that sets a blue dim and CTRL+F11
# for the pointer (as OK in the options would write it); the spotlight's hole stays white in the blue dim; the red dot
# follows the cursor and changes nothing else on the screen, its trail fades once the cursor stops, a click at the dot
# reaches the slide, and the spotlight's shortcut does nothing while the pointer shows.
source "$(dirname "$0")/harness.sh"
[ -n "${DISPLAY:-}" ] || start_virtual_display 1280x800x24
prepare_wine_prefix
settings=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n1)/Orbiqa/Settings.dat
mkdir -p "$(dirname "$settings")"
printf '%s\r\n' 0=0 2=175 54=1 55=120 56=1 57=121 58=2 59=122 60=0 61=0 62=160 1007=1 1008=0 1009=0 1010=1 1011=1 \
  1012=0 1013=1 1018=1 1019=0 1020=0 1022=0 1033=1 1064=0 1065=0 1066=1 1068=1 1125=0 1211=0 >"$settings"
# White beneath blue (0,0,160) of alpha 175: 255 * 80 / 255 = 80 on each channel, plus 160 * 175 / 255 = 110 on blue.
readonly BLUE_DIM=80/80/190 WHITE=255/255/255 RED=255/0/0

e2e_start orbiqa "$ORBIQA"
e2e_wait_until 60 "the tray icon" e2e_window "Wine System Tray"
e2e_start_slide

xdotool mousemove 500 300 keydown alt+F9
e2e_wait_until 20 "the spotlight's white hole in the blue dim" e2e_screen_shows 500,300:$WHITE 1180,720:$BLUE_DIM \
  100,700:$BLUE_DIM
e2e_picture colour-dim
xdotool keyup alt+F9
e2e_wait_until 20 "the screen to undim" e2e_screen_shows 500,300:$WHITE 1180,720:$WHITE
e2e_pass "the dim takes the chosen colour and the hole stays white"

# What differs from the slide as it was: "WIDTHxHEIGHT+X+Y" of the changed pixels, empty when none is.
e2e_screen_shows 1180,720:$WHITE || e2e_fail "the slide is not plain"
cp "$E2E_WORK/last.png" "$E2E_WORK/slide.png"
changed_area() {
  "$CONVERT" "$E2E_WORK/slide.png" "$E2E_WORK/last.png" -compose difference -composite -threshold 0 \
    -format '%@' info: 2>/dev/null | grep -v '^0x0'
}
# Only a dot of about 16 px with its glow, around the point, differs.
only_dot_at() { # X Y
  local area
  e2e_screen_shows "$1,$2:$RED" && area=$(changed_area) || return 1
  [[ $area =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
  [ "$w" -ge 16 ] && [ "$w" -le 30 ] && [ "$h" -ge 16 ] && [ "$h" -le 30 ] &&
    [ $((x + w / 2 - $1)) -le 1 ] && [ $(($1 - x - w / 2)) -le 1 ] &&
    [ $((y + h / 2 - $2)) -le 1 ] && [ $(($2 - y - h / 2)) -le 1 ]
}
# The trail fades within 0.4 s of a move, sooner than a busy machine may take the next screenshot, and a move that ends
# before the program's next tick leaves no trail at all: so the hand keeps sweeping the last 200 px, lingering at the
# end, while the screen is looked at.
trail_behind() { e2e_screen_shows 900,560:$RED && changed_area | grep -qE '^[0-9]{3}x'; }

xdotool mousemove 400 600 keydown ctrl+F11
e2e_wait_until 20 "the red dot at (400,600) and nothing else changed" only_dot_at 400 600
for x in $(seq 420 20 900); do xdotool mousemove "$x" $((600 - (x - 400) * 40 / 500)); done
: >"$E2E_WORK/sweeping"
while [ -e "$E2E_WORK/sweeping" ]; do
  xdotool mousemove 700 576 sleep 0.05 mousemove 800 568 sleep 0.05 mousemove 900 560 sleep 0.15
done &
sweeper=$!
E2E_PIDS="$E2E_PIDS $sweeper"
e2e_wait_until 20 "the dot at (900,560) with its trail behind" trail_behind
e2e_picture laser-pointer 700x200+300+480
rm "$E2E_WORK/sweeping"
wait "$sweeper"
xdotool mousemove 900 560
stopped=${EPOCHREALTIME/./}
e2e_wait_until 20 "the trail to fade once the cursor stopped" only_dot_at 900 560
e2e_pass "the dot follows the cursor in red, leaves a trail that fades (gone $(((${EPOCHREALTIME/./} - stopped) / 1000)) ms after the cursor stopped), and changes nothing else"

xdotool keydown alt+F9 click 1
e2e_wait_until 10 "the click at the dot to reach the slide" grep -q "^click 900 560" "$E2E_EVENTS"
e2e_screen_shows 1180,720:$WHITE 900,560:$RED || e2e_fail "ALT+F9 dimmed over the pointer, or the pointer went"
xdotool keyup alt+F9
xdotool keyup ctrl+F11
e2e_wait_until 20 "the pointer to go on release" e2e_screen_shows 900,560:$WHITE 1180,720:$WHITE
e2e_pass "a click at the dot reaches the slide; ALT+F9 does nothing while the pointer shows"
