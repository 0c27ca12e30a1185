# Sourced by the end-to-end tests: runs the real dist/win64/Orbiqa.exe under Wine on the
# virtual display, drives it with real keys and clicks, reads the screen and the settings
# file, and ends every process it started (by PID) when the test exits.
set -euo pipefail
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/scripts/wine-env.sh"
source "$E2E_ROOT/scripts/display.sh"

ORBIQA_DIST_DIR=${ORBIQA_DIST_DIR:-$E2E_ROOT/dist/win64}
ORBIQA_FOCUS_SINK=${ORBIQA_FOCUS_SINK:-$E2E_ROOT/build/win64/focus_sink.exe}
CONVERT=/usr/bin/convert  # ImageMagick's, not a stand-in earlier on the PATH
E2E_WORK=$(mktemp -d)
E2E_PIDS=""
ORBIQA_PID=""

e2e_cleanup() {
  local pid
  for pid in $E2E_PIDS; do kill "$pid" 2>/dev/null || true; done
  for pid in $E2E_PIDS; do wait "$pid" 2>/dev/null || true; done
  stop_virtual_display
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

e2e_fail() { echo "FAIL: $*" >&2; [ -f "$E2E_WORK/last.png" ] && cp "$E2E_WORK/last.png" "${TMPDIR:-/tmp}/orbiqa-e2e-failure.png" && echo "screenshot: ${TMPDIR:-/tmp}/orbiqa-e2e-failure.png" >&2; exit 1; }
e2e_pass() { echo "PASS: $*"; }

# Polls a command until it succeeds: e2e_wait_until SECONDS DESCRIPTION COMMAND...
e2e_wait_until() {
  local timeout=$1 what=$2
  shift 2
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    [ $SECONDS -ge $deadline ] && e2e_fail "timed out after ${timeout}s waiting for: $what"
    sleep 0.2
  done
}

# Uses the display of the test run, or starts one of its own when run alone.
e2e_setup() {
  if [ -z "${DISPLAY:-}" ]; then start_virtual_display 1280x800x24; fi
  prepare_wine_prefix
}

e2e_appdata_dir() {
  local dir
  for dir in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming; do
    case "$dir" in */users/Public/*) continue ;; esac
    echo "$dir"
    return
  done
}
e2e_settings_file() { echo "$(e2e_appdata_dir)/Orbiqa/Settings.dat"; }
e2e_remove_settings() { rm -rf "$(e2e_appdata_dir)/Orbiqa"; }

e2e_start_focus_sink() {
  : > "$E2E_WORK/clicks.log"
  wine "$ORBIQA_FOCUS_SINK" "$(winepath -w "$E2E_WORK/clicks.log" 2>/dev/null)" &
  E2E_PIDS="$E2E_PIDS $!"
  e2e_wait_until 60 "the focus sink window" xdotool search --name "Orbiqa focus sink" >/dev/null
  E2E_SINK_WINDOW=$(xdotool search --name "Orbiqa focus sink" | head -n1)
  xdotool windowfocus "$E2E_SINK_WINDOW" 2>/dev/null || true
}
e2e_focus_sink() { xdotool windowfocus "$E2E_SINK_WINDOW" 2>/dev/null || true; }
e2e_click_count() { wc -l < "$E2E_WORK/clicks.log"; }

e2e_start_orbiqa() {
  wine "$ORBIQA_DIST_DIR/Orbiqa.exe" &
  ORBIQA_PID=$!
  E2E_PIDS="$E2E_PIDS $ORBIQA_PID"
}
e2e_orbiqa_running() { kill -0 "$ORBIQA_PID" 2>/dev/null; }
# Waits for Orbiqa to end by itself and prints its exit code.
e2e_wait_orbiqa_exit() {
  local timeout=$1
  e2e_wait_until "$timeout" "Orbiqa to end" bash -c "! kill -0 $ORBIQA_PID 2>/dev/null"
  local code=0
  wait "$ORBIQA_PID" || code=$?
  echo "$code"
}
e2e_stop_orbiqa() {
  kill "$ORBIQA_PID" 2>/dev/null || true
  wait "$ORBIQA_PID" 2>/dev/null || true
}

e2e_screenshot() {  # e2e_screenshot [FILE]: the whole screen as PNG
  local file=${1:-$E2E_WORK/last.png}
  xwd -root -silent | "$CONVERT" xwd:- "png:$file"
  [ "$file" = "$E2E_WORK/last.png" ] || cp "$file" "$E2E_WORK/last.png"
}
# The grey level (red channel, 0-255) of a pixel of the last screenshot.
e2e_pixel() { "$CONVERT" "$E2E_WORK/last.png" -format "%[fx:int(255*p{$1,$2}.r+0.5)]" info:; }
# True when a fresh screenshot shows the pixel within tolerance of the value.
e2e_pixel_near() {  # X Y VALUE TOLERANCE
  e2e_screenshot
  local value
  value=$(e2e_pixel "$1" "$2")
  [ "$value" -ge $(($3 - $4)) ] && [ "$value" -le $(($3 + $4)) ]
}

e2e_key_down() { xdotool keydown "$1"; }
e2e_key_up() { xdotool keyup "$1"; }
e2e_move() { xdotool mousemove "$1" "$2"; }
e2e_click() { xdotool mousemove "$1" "$2" click 1; }
