#!/usr/bin/env bash
# Sets up what is missing, builds dist/win64 and dist/win32, and runs Orbiqa under Wine:
# on $DISPLAY, or on a virtual display when there is none.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh win64 win32

# The settings made here persist between runs in the project's own Wine prefix.
export ORBIQA_WINEPREFIX=${ORBIQA_WINEPREFIX:-$PWD/build/wineprefix-run}
source scripts/wine-env.sh
source scripts/display.sh
prepare_wine_prefix

if [ -z "${DISPLAY:-}" ]; then
  start_virtual_display
  trap 'stop_virtual_display' EXIT
  cat <<MSG
No DISPLAY: Orbiqa runs on the virtual display $DISPLAY (1280x800, with a compositor).
  See it:        xwd -display $DISPLAY -root -silent | /usr/bin/convert xwd:- shot.png
  Hold ALT+F9:   DISPLAY=$DISPLAY xdotool keydown alt+F9; sleep 1; DISPLAY=$DISPLAY xdotool keyup alt+F9
  (Wine sees keys only while one of its windows has the X keyboard focus.)
Press Ctrl+C here to end Orbiqa.
MSG
fi
echo "Starting dist/win64/Orbiqa.exe (settings in $WINEPREFIX)"
"$ORBIQA_WINE64" dist/win64/Orbiqa.exe
