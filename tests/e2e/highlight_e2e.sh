#!/usr/bin/env bash
# The dynamic highlight seen on screen: holding ALT+F10 while sweeping shows the outline,
# the release leaves exactly the swept rectangle lit on the dimmed screen with the
# application reachable through it, a click on the dimmed area undims. Then the tray
# menu's Exit ends the program with 0 and leaves the settings file untouched.
source "$(dirname "$0")/harness.sh"
e2e_setup
e2e_remove_settings

readonly DIM=80     # white beneath black at the default opacity 175: 255 * (255 - 175) / 255
readonly TOLERANCE=8
# The swept rectangle: columns LEFT..RIGHT-1, rows TOP..BOTTOM-1.
readonly LEFT=300 TOP=200 RIGHT=700 BOTTOM=500

near() { [ "$1" -ge $(($2 - TOLERANCE)) ] && [ "$1" -le $(($2 + TOLERANCE)) ]; }

# Checks pixels of a fresh screenshot: each argument is "X,Y:KIND", KIND one of white, lit
# (near 255), dim (near DIM) or bluish: the outline's light blue over the white sink,
# whether composited at its alpha of 20 (about 245, 248, 255) or drawn solid.
screen_shows() {
  # A window changing while it is read makes the capture fail: then look again.
  e2e_screenshot 2>/dev/null || return 1
  local format="" kinds=() arg r b i=0
  for arg in "$@"; do
    format+="%[fx:int(255*p{${arg%%:*}}.r+0.5)] %[fx:int(255*p{${arg%%:*}}.b+0.5)]\n"
    kinds+=("${arg##*:}")
  done
  while read -r r b; do
    case ${kinds[$i]} in
      bluish) [ $((b - r)) -ge 6 ] || return 1 ;;
      white) { near "$r" 255 && near "$b" 255; } || return 1 ;;
      lit) near "$r" 255 || return 1 ;;
      dim) near "$r" $DIM || return 1 ;;
    esac
    i=$((i + 1))
  done < <("$CONVERT" "$E2E_WORK/last.png" -format "$format" info:)
}

# Inside and outside the edges of the rectangle from the anchor to RIGHT BOTTOM (exclusive).
rect_shows() {  # RIGHT BOTTOM INSIDE OUTSIDE
  screen_shows "$LEFT,$TOP:$3" "$(($1 - 1)),$(($2 - 1)):$3" "$((LEFT - 1)),$TOP:$4" "$LEFT,$((TOP - 1)):$4" \
    "$1,$(($2 - 1)):$4" "$(($1 - 1)),$2:$4" "100,700:$4" "1000,100:$4"
}
outline_spans() { rect_shows "$1" "$2" bluish white; }
highlight_shown() { rect_shows $RIGHT $BOTTOM lit dim; }

e2e_start_focus_sink
e2e_start_orbiqa
e2e_wait_until 60 "the first settings file" test -s "$(e2e_settings_file)"
cp "$(e2e_settings_file)" "$E2E_WORK/settings.before"
e2e_wait_until 60 "the tray icon" bash -c 'xdotool search --name "Wine System Tray" >/dev/null'
e2e_focus_sink

# The anchor is wherever the cursor is at the first tick that sees the keys, which may
# come a few ticks after the key press. A first small step shows whether it was taken
# at the corner; if not, the attempt is released, dismissed and made again.
anchored=no
for attempt in 1 2 3; do
  e2e_move $LEFT $TOP
  e2e_key_down alt+F10
  e2e_move $((LEFT + 10)) $((TOP + 10))
  deadline=$((SECONDS + 5))
  until outline_spans $((LEFT + 10)) $((TOP + 10)) && anchored=yes; do
    [ $SECONDS -lt $deadline ] && sleep 0.2 || break
  done
  [ $anchored = yes ] && break
  e2e_key_up alt+F10
  e2e_wait_until 20 "the stray highlight" screen_shows "100,700:dim"
  e2e_click 100 700
  e2e_wait_until 20 "the stray highlight to go" screen_shows "100,700:white"
  e2e_focus_sink
done
[ $anchored = yes ] || e2e_fail "the outline never started at the anchor"

e2e_move $((LEFT + 150)) $((TOP + 100))
e2e_move $RIGHT $BOTTOM
e2e_wait_until 20 "the outline over the swept rectangle, the screen undimmed" outline_spans $RIGHT $BOTTOM
e2e_pass "the outline follows the sweep"

# Released elsewhere: only the last held position counts.
e2e_key_up alt+F10
e2e_wait_until 20 "the swept rectangle lit on the dimmed screen" highlight_shown
e2e_pass "the release lights exactly the swept rectangle"

clicks=$(e2e_click_count)
e2e_click 100 700
e2e_wait_until 20 "the screen to undim" screen_shows "100,700:white" "$((LEFT - 1)),$TOP:white" "1000,100:white"
[ "$(e2e_click_count)" -eq "$clicks" ] || e2e_fail "the click on the dimmed area reached the application"
e2e_pass "a click on the dimmed area undims the screen"

# The tray: the icon sits in the first cell of Wine's tray window, below its caption. The
# menu is the program's visible window that is neither full-screen nor a 1x1 helper.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "Wine System Tray" | head -n1)")"
xdotool mousemove $((X + 12)) $((Y + HEIGHT - 13)) click 3
menu_geometry() {
  local window WIDTH HEIGHT X Y SCREEN WINDOW
  for window in $(xdotool search --onlyvisible --class orbiqa.exe 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    if [ "$WIDTH" -gt 1 ] && [ "$WIDTH" -lt 1280 ]; then echo "$WIDTH $HEIGHT $X $Y" && return 0; fi
  done
  return 1
}
e2e_wait_until 20 "the tray menu" menu_geometry >/dev/null
read -r width height x y <<<"$(menu_geometry)"
# "Exit" is the second of two items of equal height.
xdotool mousemove $((x + width / 2)) $((y + height * 3 / 4)) click 1
code=$(e2e_wait_orbiqa_exit 20)
[ "$code" = 0 ] || e2e_fail "Exit ended the program with $code"
cmp -s "$E2E_WORK/settings.before" "$(e2e_settings_file)" || e2e_fail "Exit changed the settings file"
e2e_pass "the tray menu's Exit ends the program with 0 and saves nothing"
