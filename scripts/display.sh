# Sourced: starts a virtual X display with a compositor (without one, per-pixel alpha is
# not blended and layered windows read back black). Sets DISPLAY and ORBIQA_DISPLAY_PIDS;
# stop_virtual_display ends exactly the processes started here.
ORBIQA_DISPLAY_PIDS=""
ORBIQA_DISPLAY_DIR=""

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

# Two monitors side by side, as Wine sees them only on RandR outputs: Xorg's dummy driver
# (Xvfb always gives Wine one monitor), started as root. DUMMY0 1280x800 is the primary,
# DUMMY1 1024x768 stands right of it; the X screen is exactly their union, since a
# layered window that does not cover the whole X screen is drawn opaque.
start_two_monitor_display() {
  ORBIQA_DISPLAY_DIR=$(mktemp -d)
  local dir=$ORBIQA_DISPLAY_DIR waited=0
  cat >"$dir/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 4096 2160
  EndSubSection
EndSection
CONF
  Xorg -displayfd 3 -config "$dir/xorg.conf" -noreset -nolisten tcp -sharevts -novtswitch \
    -logfile "$dir/xorg.log" 3>"$dir/display" >/dev/null 2>&1 &
  ORBIQA_DISPLAY_PIDS="$!"
  while [ ! -s "$dir/display" ]; do
    if ! kill -0 "$ORBIQA_DISPLAY_PIDS" 2>/dev/null || [ $waited -gt 300 ]; then
      echo "Xorg with the dummy driver did not start (as root, with xserver-xorg-video-dummy):" >&2
      tail -n 15 "$dir/xorg.log" >&2 2>/dev/null
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n1 "$dir/display")"
  xrandr --newmode 1024x768_60.00 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
  xrandr --addmode DUMMY1 1024x768_60.00
  xrandr --fb 2304x800 --output DUMMY0 --mode 1280x800 --pos 0x0 --primary \
    --output DUMMY1 --mode 1024x768_60.00 --pos 1280x0
  # A Wine process that starts while the outputs still change may see only one monitor.
  waited=0
  until [ "$(xrandr | grep -cE '^DUMMY[01] connected (primary )?[0-9]+x[0-9]+\+')" = 2 ]; do
    [ $waited -lt 100 ] || { echo "xrandr did not set up two monitors" >&2; return 1; }
    sleep 0.1
    waited=$((waited + 1))
  done
  sleep 1
  xcompmgr >/dev/null 2>&1 &
  ORBIQA_DISPLAY_PIDS="$ORBIQA_DISPLAY_PIDS $!"
}

stop_virtual_display() {
  local pid
  for pid in $ORBIQA_DISPLAY_PIDS; do kill "$pid" 2>/dev/null || true; done
  for pid in $ORBIQA_DISPLAY_PIDS; do wait "$pid" 2>/dev/null || true; done
  ORBIQA_DISPLAY_PIDS=""
  [ -z "$ORBIQA_DISPLAY_DIR" ] || rm -rf "$ORBIQA_DISPLAY_DIR"
  ORBIQA_DISPLAY_DIR=""
}
