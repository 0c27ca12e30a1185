#!/usr/bin/env bash
# Orbiqa on two monitors of different sizes (Xorg's dummy driver: Xvfb gives Wine one), through
# a resolution change and a monitor switched off while it runs, then at 144 DPI. The prefix
# is a throw-away one of its own: Wine reads the monitors when a prefix's first process starts.
export ORBIQA_WINEPREFIX=$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-screens
source "$(dirname "$0")/harness.sh"
end_wine_server
rm -rf "$WINEPREFIX"
start_two_monitor_display || e2e_fail "no display with two monitors: Xorg with the dummy driver did not start"
prepare_wine_prefix
# The slide covers the primary as it is at its start (1280x800) in white; elsewhere the
# compositor's grey root (128) shows. Beneath the default black of alpha 175: 80 and 40.
readonly DIM=80 GREY_DIM=40

start_orbiqa_over_slide() {
  e2e_start orbiqa "$ORBIQA"
  e2e_wait_until 60 "the tray icon" e2e_window "Wine System Tray"
  e2e_start_slide
}
# The lit pixels of the last screenshot's row Y within 500 px of X: the disc's width there.
lit_width() {
  "$CONVERT" "$E2E_WORK/last.png" -crop "1000x1+$(($1 - 500))+$2" +repage -depth 8 gray:- |
    od -An -tu1 -v | awk -v half=$(((255 + DIM) / 2)) '{ for (i = 1; i <= NF; i++) if ($i > half) n++ } END { print n + 0 }'
}
screen_is() { xwininfo -root | grep -q -- "-geometry $1+0+0"; }
spotlight_on_primary() { # WHAT UNDIMMED...: ALT+F9 held at (640,600) lights a disc; returns its width
  xdotool mousemove 640 600 keydown alt+F9
  e2e_wait_until 30 "$1" e2e_screen_shows 640,600:255 1180,720:$DIM 1270,790:$DIM 100,100:$DIM "${@:3}"
  width=$(lit_width 640 600)
  cp "$E2E_WORK/last.png" "$E2E_WORK/lit.png"
  xdotool keyup alt+F9
  e2e_wait_until 20 "the screen to undim on release" e2e_screen_shows 1180,720:255 "$2"
}

start_orbiqa_over_slide
xdotool mousemove 1792 384 keydown alt+F9
e2e_wait_until 30 "monitor 2 dimmed and lit at the cursor, monitor 1 untouched" e2e_screen_shows \
  1792,384:128 1300,10:$GREY_DIM 2290,760:$GREY_DIM 1792,200:$GREY_DIM 1180,720:255 100,100:255
e2e_picture spotlight-monitor2
xdotool keyup alt+F9
e2e_wait_until 20 "monitor 2 to undim on release" e2e_screen_shows 2290,760:128 1792,200:128 1180,720:255
e2e_pass "ALT+F9 held on monitor 2 dims it and lights the cursor there; monitor 1 stays untouched"

xrandr --fb 2624x900 --output DUMMY0 --mode 1600x900 --output DUMMY1 --pos 1600x0
e2e_wait_until 20 "the X screen of 1600x900 and 1024x768" screen_is 2624x900
spotlight_on_primary "the whole 1600x900 primary dimmed" 1590,890:128 \
  1590,890:$GREY_DIM 1590,10:$GREY_DIM 10,890:$GREY_DIM 2000,300:128
e2e_pass "after the primary changed to 1600x900, ALT+F9 dims it to its new right and bottom edges"

xdotool mousemove 2100 400 keydown alt+F9
e2e_wait_until 30 "the spotlight on monitor 2 at +1600+0" e2e_screen_shows 2100,400:128 2600,700:$GREY_DIM
xrandr --fb 1600x900 --output DUMMY1 --off
e2e_wait_until 20 "monitor 2 to be off" screen_is 1600x900
xdotool keyup alt+F9
e2e_wait_until 20 "the screen to undim on release" e2e_screen_shows 1590,890:128 1180,720:255
kill -0 "$orbiqa" || e2e_fail "Orbiqa ended when monitor 2 went off"
spotlight_on_primary "the spotlight on monitor 1 after monitor 2 went off" 1590,890:128 1590,890:$GREY_DIM
e2e_pass "monitor 2 switched off under the overlay: Orbiqa runs on, the spotlight works on monitor 1 (${width} px across)"

width_96=$width
kill "$orbiqa" "$E2E_SLIDE_PID"
wait "$orbiqa" "$E2E_SLIDE_PID" 2>/dev/null || true
end_wine_server
"$ORBIQA_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
start_orbiqa_over_slide
spotlight_on_primary "the spotlight at 144 DPI" 100,100:255
[ "$width" -ge 420 ] && [ "$width" -le 480 ] || {
  mv "$E2E_WORK/lit.png" "$E2E_WORK/last.png"
  e2e_fail "at 144 DPI the disc is $width px across, not about 1.5 times $width_96 (450 for the large circle)"
}
e2e_pass "at 144 DPI the large circle is $width px across (at 96 DPI: $width_96)"
