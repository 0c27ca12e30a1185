#!/usr/bin/env bash
# Measures what Orbiqa costs while it sits idle in the notification area: Orbiqa and a
# bare program with a 10 ms timer run side by side under Wine for SECONDS (default 20) on
# a virtual display, and their processor times are compared. Prints the ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
scripts/build.sh win64 >/dev/null
export ORBIQA_WINEPREFIX=$PWD/build/wineprefix-idle
source scripts/wine-env.sh
source scripts/display.sh
pids=""
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
start_virtual_display 1280x800x24
prepare_wine_prefix
wineserver -p
"$ORBIQA_WINE64" dist/win64/Orbiqa.exe & orbiqa=$!
"$ORBIQA_WINE64" build/win64/idle_reference.exe & reference=$!
pids="$orbiqa $reference"
sleep 5 # both settle after start-up before the measured window
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
orbiqa_start=$(cpu $orbiqa) reference_start=$(cpu $reference)
sleep "$seconds"
orbiqa_used=$(($(cpu $orbiqa) - orbiqa_start)) reference_used=$(($(cpu $reference) - reference_start))
hz=$(getconf CLK_TCK)
awk -v o="$orbiqa_used" -v r="$reference_used" -v s="$seconds" -v hz="$hz" 'BEGIN {
  printf "idle over %d s: Orbiqa %.2f %% of a core, bare 10 ms loop %.2f %%, ratio %.2f\n",
         s, 100 * o / hz / s, 100 * r / hz / s, (r > 0 ? o / r : 0) }'
