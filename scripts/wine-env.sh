# Sourced: the Wine settings every Orbiqa script uses. The prefix is the project's own,
# never the user's ~/.wine.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ORBIQA_WINEPREFIX:-$root/build/wineprefix-test}
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

# Creates the prefix on first use, set up for running without a window manager: no
# 2-second wait when a full-screen window hides, and crashes end the process instead
# of opening the debugger's dialog.
prepare_wine_prefix() {
  [ -f "$WINEPREFIX/.orbiqa-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.orbiqa-ready"
}
