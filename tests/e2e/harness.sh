# Sourced by the end-to-end tests: runs Orbiqa.exe of ORBIQA_DIST_DIR under Wine on the
# virtual display, drives it with real keys and clicks, reads the screen and the settings
# file, and ends every process it started (by PID) when the walk exits.
set -eEuo pipefail
# A command that fails outside a check ends the walk; say which, or the log shows only a missing PASS.
trap 'echo "FAIL: ${BASH_SOURCE[0]##*/} line $LINENO: \"$BASH_COMMAND\" ended with $?" >&2' ERR
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/scripts/wine-env.sh"
source "$E2E_ROOT/scripts/display.sh"
ORBIQA_DIST_DIR=${ORBIQA_DIST_DIR:-$E2E_ROOT/dist/win64}
ORBIQA_FOCUS_SINK=${ORBIQA_FOCUS_SINK:-$E2E_ROOT/build/win64/focus_sink.exe}
CONVERT=/usr/bin/convert # ImageMagick's, not a stand-in earlier on the PATH
ORBIQA=$ORBIQA_DIST_DIR/Orbiqa.exe
[ -f "$ORBIQA" ] || { echo "SKIP: $ORBIQA is not built"; exit 77; }
if [ "$(wine_loader_for "$ORBIQA")" = "$ORBIQA_WINE32" ] && [ -n "$(wine32_missing_reason)" ]; then
  echo "SKIP: the 32-bit $ORBIQA cannot run here: $(wine32_missing_reason)" && exit 77
fi
E2E_WORK=$(mktemp -d)
E2E_PIDS=""

e2e_cleanup() {
  # A walk that failed while holding a shortcut must not leave it held for the next one.
  xdotool keyup ctrl alt shift F9 F10 F11 2>/dev/null || true
  [ -z "${E2E_PIDS// /}" ] || { kill $E2E_PIDS; wait $E2E_PIDS; } 2>/dev/null || true
  # Wine's own processes (the tray among them) go before a display of the walk's own.
  [ -z "$ORBIQA_DISPLAY_PIDS" ] || wineserver -k 2>/dev/null || true
  stop_virtual_display
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT
e2e_fail() {
  echo "FAIL: $*" >&2
  cp "$E2E_WORK/last.png" /tmp/orbiqa-e2e-failure.png 2>/dev/null && echo "screen: /tmp/orbiqa-e2e-failure.png" >&2
  exit 1
}
e2e_pass() { echo "PASS: $*"; }

# Polls until a command succeeds: e2e_wait_until SECONDS DESCRIPTION COMMAND...
e2e_wait_until() {
  local timeout=$1 what=$2 deadline=$((SECONDS + $1))
  shift 2
  until "$@" >/dev/null; do
    [ $SECONDS -lt $deadline ] || e2e_fail "timed out after ${timeout}s waiting for: $what"
    sleep 0.2
  done
}

# e2e_start VAR PROGRAM ARGS...: runs a Windows program in the background with its architecture's loader; VAR: its PID.
e2e_start() {
  "$(wine_loader_for "$2")" "${@:2}" &
  printf -v "$1" %s $!
  E2E_PIDS="$E2E_PIDS $!"
}
e2e_expect_exit() { # PID WHAT: it ends by itself, with exit code 0
  e2e_wait_until 30 "$2 to end" bash -c "! kill -0 $1 2>/dev/null"
  wait "$1" || e2e_fail "$2 ended with $?"
}

# The first visible X window titled exactly so; "X Y WIDTH HEIGHT" of each of Orbiqa's. A search made while windows
# come and go has come back empty for a window that was there, so nothing found counts only on the third try.
e2e_window() {
  local try
  for try in 1 2 3; do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep . && return
    sleep 0.05
  done
  return 1
}
e2e_orbiqa_windows() {
  local window
  for window in $(xdotool search --onlyvisible --class orbiqa.exe 2>/dev/null); do
    xdotool getwindowgeometry --shell "$window" | sed -n '2,5s/^[A-Z]*=//p' | paste -sd' '
  done
}

# True when one fresh screenshot shows every "X,Y:KIND": KIND is a grey level (the red
# channel within 8), blue (the outline's light blue, blue well above red) or a colour R/G/B
# (each channel within 3).
e2e_screen_shows() {
  xwd -root -silent 2>/dev/null | "$CONVERT" xwd:- "png:$E2E_WORK/last.png" 2>/dev/null || return 1
  local format="" kinds=() arg r g b i=0 want
  for arg in "$@"; do
    format+="%[fx:int(255*p{${arg%%:*}}.r+0.5)] %[fx:int(255*p{${arg%%:*}}.g+0.5)] %[fx:int(255*p{${arg%%:*}}.b+0.5)]\n"
    kinds+=("${arg##*:}")
  done
  near() { [ $(($1 - $2)) -le $3 ] && [ $(($2 - $1)) -le $3 ]; }
  while read -r r g b; do
    case ${kinds[$i]} in
      blue) [ $((b - r)) -ge 60 ] || return 1 ;;
      */*/*) IFS=/ read -ra want <<<"${kinds[$i]}"
        near "$r" "${want[0]}" 3 && near "$g" "${want[1]}" 3 && near "$b" "${want[2]}" 3 || return 1 ;;
      *) near "$r" "${kinds[$i]}" 8 || return 1 ;;
    esac
    i=$((i + 1))
  done < <("$CONVERT" "$E2E_WORK/last.png" -format "$format" info:)
}
# The test slide (the focus sink) stands in for the presenter's application and logs the clicks that reach it and its
# activation. Wine raises a window that becomes active above every X window, the top-most overlay included, so the
# slide is made active before the overlay first shows; keys need it to hold the X focus.
E2E_EVENTS=$E2E_WORK/events.log
e2e_slide_active() { [ "$(grep -oE '^(in)?active' "$E2E_EVENTS" | tail -n1)" = active ]; }
e2e_start_slide() {
  : >"$E2E_EVENTS"
  e2e_start E2E_SLIDE_PID "$ORBIQA_FOCUS_SINK" "Z:$(tr / '\\' <<<"$E2E_EVENTS")"
  e2e_wait_until 60 "the slide to be active" e2e_slide_active
  E2E_SLIDE=$(e2e_window "Orbiqa focus sink")
  xdotool windowfocus --sync "$E2E_SLIDE"
}

# Keeps the last screenshot, or a part of it, as one of the README's pictures when asked.
e2e_picture() { # NAME [WIDTHxHEIGHT+X+Y]
  [ -z "${ORBIQA_DOC_IMAGES:-}" ] || "$CONVERT" "$E2E_WORK/last.png" -crop "${2:-100%}" +repage "$ORBIQA_DOC_IMAGES/$1.png"
}
