# Sourced: starts a virtual X display with a compositor (without one, per-pixel alpha is
# not blended and layered windows read back black). Sets DISPLAY and ORBIQA_DISPLAY_PIDS;
# stop_virtual_display ends exactly the processes started here.
ORBIQA_DISPLAY_PIDS=""

start_virtual_display() {
  local geometry=${1:-1280x800x24}
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$fdfile" 2>/dev/null &
  ORBIQA_DISPLAY_PIDS="$!"
  local waited=0
  while [ ! -s "$fdfile" ]; do
    sleep 0.1
    waited=$((waited + 1))
    if [ $waited -gt 200 ]; then echo "Xvfb did not start" >&2; rm -f "$fdfile"; return 1; fi
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  xcompmgr >/dev/null 2>&1 &
  ORBIQA_DISPLAY_PIDS="$ORBIQA_DISPLAY_PIDS $!"
}

stop_virtual_display() {
  local pid
  for pid in $ORBIQA_DISPLAY_PIDS; do kill "$pid" 2>/dev/null || true; done
  for pid in $ORBIQA_DISPLAY_PIDS; do wait "$pid" 2>/dev/null || true; done
  ORBIQA_DISPLAY_PIDS=""
}
