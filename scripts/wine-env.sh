# Sourced: the Wine settings every Orbiqa script uses. The prefix is the project's own,
# never the user's ~/.wine.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ORBIQA_WINEPREFIX:-$root/build/wineprefix-test}
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

# Each program runs with the loader of its own architecture, whichever one /usr/bin/wine
# would pick (Debian's wine64 and wine32:i386 install them here).
ORBIQA_WINE64=/usr/lib/wine/wine64
ORBIQA_WINE32=/usr/lib/wine/wine
ORBIQA_LOADER32=/lib/ld-linux.so.2
kernel_runs_32bit() { "$ORBIQA_LOADER32" --version >/dev/null 2>&1; }
# Why 32-bit programs cannot run here, or nothing when they can.
wine32_missing_reason() {
  if ! kernel_runs_32bit; then echo "this kernel cannot run 32-bit programs"
  elif [ ! -x "$ORBIQA_WINE32" ]; then echo "wine32:i386 is not installed (scripts/setup.sh installs it)"
  fi
}
# The loader for a Windows program, from the machine field of its PE header.
wine_loader_for() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  if [ "$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')" = 014c ]; then
    echo "$ORBIQA_WINE32"
  else
    echo "$ORBIQA_WINE64"
  fi
}

# Ends every Wine process of the prefix and waits until its server has gone: a prefix
# made anew at once may get the old folder's inode, and with it the old server.
end_wine_server() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# Creates the prefix on first use, set up for running without a window manager: no
# 2-second wait when a full-screen window hides, and crashes end the process instead
# of opening the debugger's dialog. A failure is said, with the end of Wine's log,
# and tried once more.
prepare_wine_prefix() {
  [ -f "$WINEPREFIX/.orbiqa-ready" ] && return 0
  local try log=$WINEPREFIX/prepare.log
  mkdir -p "$WINEPREFIX"
  for try in 1 2; do
    if "$ORBIQA_WINE64" wineboot -i >"$log" 2>&1 &&
      "$ORBIQA_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 &&
      "$ORBIQA_WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 &&
      wineserver -w; then
      touch "$WINEPREFIX/.orbiqa-ready"
      return 0
    fi
    echo "Preparing the Wine prefix $WINEPREFIX failed (try $try of 2); the end of its log:" >&2
    tail -n 5 "$log" >&2
    end_wine_server
  done
  return 1
}
