#!/usr/bin/env bash
# Sets up what is missing, builds everything, and runs every test: the window-free logic
# natively under sanitizers (with a short fuzzing run), then the Windows tests and the
# end-to-end walk under Wine on a virtual display with a compositor, the walk against
# dist/win64 and, where the kernel runs 32-bit programs, dist/win32.
set -eEuo pipefail
# A step that fails says which, where its own output says nothing.
trap 'echo "test.sh: \"$BASH_COMMAND\" (line $LINENO) ended with $?" >&2' ERR
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh host win64 win32

ctest --preset host

# A fresh, throw-away Wine prefix and display for every run.
export ORBIQA_WINEPREFIX=$PWD/build/wineprefix-test
source scripts/wine-env.sh
source scripts/display.sh
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
end_wine_server
rm -rf "$WINEPREFIX"
start_virtual_display 1280x800x24
prepare_wine_prefix
status=0
ctest --preset win64 || status=$?
reason=$(wine32_missing_reason)
[ -z "$reason" ] || echo "NOTE: walk_win32 and msi_win32 were skipped, dist/win32/Orbiqa.exe did not run: $reason."
exit $status
