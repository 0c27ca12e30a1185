#!/usr/bin/env bash
# A second copy refuses to start while one runs; the options window opens from the tray
# at the top of the dimmed screen, a real click on Misc / Toggle Mode and OK save the
# change, and Cancel throws a change away.
source "$(dirname "$0")/harness.sh"
e2e_setup
e2e_remove_settings

e2e_start_orbiqa
e2e_wait_until 60 "the first settings file" test -s "$(e2e_settings_file)"
# Looks for a shown window by its whole title, quietly.
window_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
e2e_wait_until 60 "the tray window" window_shown "Wine System Tray"

# --- A second copy shows its notice, ends with 0, and leaves the first one running.
wine "$ORBIQA_DIST_DIR/Orbiqa.exe" &
second=$!
E2E_PIDS="$E2E_PIDS $second"
e2e_wait_until 60 "the notice of the second copy" window_shown Quorvel
# Its OK button takes Return once the box has the keyboard focus.
for notice in $(xdotool search --onlyvisible --name "^Quorvel$"); do xdotool windowfocus "$notice" 2>/dev/null || true; done
xdotool key Return
e2e_wait_until 30 "the second copy to end" bash -c "! kill -0 $second 2>/dev/null"
code=0
wait "$second" || code=$?
[ "$code" = 0 ] || e2e_fail "the second copy ended with $code"
e2e_orbiqa_running || e2e_fail "the first copy ended too"
e2e_pass "a second copy is refused with exit code 0"

# --- Open the options with a double-click on the tray icon (16 px, at the left of the
# tray window's client area, below Wine's own caption).
open_options() {
  local tray x y height
  tray=$(xdotool search --onlyvisible --name "^Wine System Tray$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  x=$((X + 13)) y=$((Y + HEIGHT - 13))
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
  e2e_wait_until 30 "the options window" window_shown "Orbiqa Options"
  OPTIONS=$(xdotool search --onlyvisible --name "^Orbiqa Options$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$OPTIONS")"
  OX=$X OY=$Y OW=$WIDTH
}
# Clicks at a place given relative to the options window's top-left corner.
click_options() { e2e_click $((OX + $1)) $((OY + $2)); }
tray_hidden_by_overlay() { e2e_screenshot; [ "$(e2e_pixel 60 30)" -lt 100 ]; }

open_options
[ "$OY" = 10 ] || e2e_fail "the options window is at y $OY, not 10"
[ "$OX" = $((1280 / 2 - OW / 2)) ] || e2e_fail "the options window is at x $OX, not centred (width $OW)"
# The dimmed overlay lies over everything else, the tray window included.
e2e_wait_until 10 "the dimmed overlay" tray_hidden_by_overlay
[ -n "${ORBIQA_DOC_IMAGES:-}" ] && cp "$E2E_WORK/last.png" "$ORBIQA_DOC_IMAGES/options-main.png"
e2e_pass "the options window opens from the tray, centred at the top, over the dimmed screen"

# --- Misc tab, Toggle Mode, OK: saved, and both windows gone.
click_options 91 39   # the "Misc" tab
click_options 62 309  # "Toggle Mode ( pressing ..."
e2e_screenshot
[ -n "${ORBIQA_DOC_IMAGES:-}" ] && cp "$E2E_WORK/last.png" "$ORBIQA_DOC_IMAGES/options-misc.png"
click_options 368 536 # OK
saved() { grep -q $'^1018=0\r$' "$(e2e_settings_file)" && grep -q $'^1020=1\r$' "$(e2e_settings_file)"; }
e2e_wait_until 30 "Toggle Mode in the settings file" saved
grep -q $'^1067=120\r$' "$(e2e_settings_file)" || e2e_fail "OK did not record the spotlight key: $(cat "$(e2e_settings_file)")"
options_hidden() { ! window_shown "Orbiqa Options"; }
e2e_wait_until 30 "the options window to close" options_hidden
tray_visible() { e2e_screenshot; [ "$(e2e_pixel 60 30)" -gt 100 ]; }
e2e_wait_until 30 "the overlay to go" tray_visible
e2e_pass "Toggle Mode clicked on the Misc page and saved by OK"

# --- The window opens again on Misc; Hold Mode then Cancel leaves the file alone.
before=$(cat "$(e2e_settings_file)")
open_options
click_options 62 286  # "Hold Mode ( the shortcut key ..."
click_options 434 536 # Cancel
e2e_wait_until 30 "the options window to close" options_hidden
[ "$(cat "$(e2e_settings_file)")" = "$before" ] || e2e_fail "Cancel changed the settings file"
e2e_orbiqa_running || e2e_fail "Orbiqa ended by itself"
e2e_pass "Cancel writes nothing"

# --- The preview: centred, its lowest row 30 px above the bottom of the screen. Under
# Wine a compositor draws the overlay black while a normal window is mapped above it, so
# the options window is unmapped at the X level (Wine keeps it open) to see the preview.
open_options
xdotool mousemove 1200 100 # away from the preview: the cursor is in the screenshot
xdotool windowunmap "$OPTIONS"
# The default large circle is 300 px across in a 304 px image: x 490-789, y 466-769.
# Nothing but the root (grey 128) lies beneath: lit reads 128, dimmed 128 * 80 / 255.
preview_shown() { e2e_pixel_near 640 618 128 6; }
e2e_wait_until 30 "the preview spotlight" preview_shown
for point in "500 618 128" "779 618 128" "640 476 128" "640 759 128" \
             "470 618 40" "809 618 40" "640 446 40" "640 785 40"; do
  set -- $point
  value=$(e2e_pixel "$1" "$2")
  [ "$value" -ge $(($3 - 8)) ] && [ "$value" -le $(($3 + 8)) ] || e2e_fail "preview pixel ($1, $2) is $value, not about $3"
done
[ -n "${ORBIQA_DOC_IMAGES:-}" ] && cp "$E2E_WORK/last.png" "$ORBIQA_DOC_IMAGES/options-preview.png"
e2e_pass "the preview spotlight is centred near the bottom of the dimmed screen"
