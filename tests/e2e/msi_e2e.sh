#!/usr/bin/env bash
# The installer ORBIQA_MSI under Wine, in a prefix of its own: a silent install, the installed copy at
# work, an upgrade while it runs, a refused downgrade and an uninstall.
ORBIQA_WINEPREFIX=$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-msi
source "$(dirname "$0")/harness.sh"
[ -f "$ORBIQA_MSI" ] || { echo "SKIP: $ORBIQA_MSI is not built"; exit 77; }
[[ $ORBIQA_MSI = *-win32.msi ]] && dir="C:\\Program Files (x86)\\Orbiqa" view=/reg:32 || dir="C:\\Program Files\\Orbiqa" view=/reg:64
trap 'end_wine_server; e2e_cleanup' EXIT
end_wine_server && rm -rf "$WINEPREFIX" && { [ -n "${DISPLAY:-}" ] || start_virtual_display 1280x800x24; } && prepare_wine_prefix
wine() { "$ORBIQA_WINE64" "$@" 2>/dev/null | tr -d '\r'; }
msiexec() { wine msiexec "$1" "Z:$(tr / '\\' <<<"$2")" /qn; }
run_value() { wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Run" /v Orbiqa $view | grep -F "$2"; }
entries() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s $view | awk 'NF == 3 { print $1, $3 }' | grep -e Display -e Publisher; }
installed=$(wine winepath -u "$dir") && appdata=$(wine winepath -u "$(wine cmd /c echo %APPDATA%)")
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Orbiqa.lnk" settings=$appdata/Orbiqa/Settings.dat
version=${ORBIQA_MSI##*/Orbiqa-} && version=${version%-win*.msi}

msiexec /i "$ORBIQA_MSI" || e2e_fail "the silent install ended with $?"
diff <(ls "$installed") <(ls "$ORBIQA_DIST_DIR") && [ -f "$shortcut" ] || e2e_fail "files or shortcut missing"
[ "$(entries | sort | paste -sd,)" = "DisplayName Orbiqa,DisplayVersion $version,Publisher Quorvel" ] ||
  e2e_fail "the Installed apps entry: $(entries)"
e2e_start orbiqa "$installed/Orbiqa.exe"
e2e_wait_until 60 "the Run value naming the installed copy" run_value HKLM "\"$dir\\Orbiqa.exe\""
e2e_start_slide
xdotool mousemove 500 300 keydown alt+F9
e2e_wait_until 20 "the spotlight" e2e_screen_shows 500,300:255 1180,720:80
xdotool keyup alt+F9
e2e_pass "a silent install puts files, shortcut and entry in place; that copy starts with Windows and shows the spotlight"

# Version 100.0.0 under a new product code: its Upgrade table takes the installed version for its own.
cp "$settings" "$E2E_WORK/settings" && cp "$ORBIQA_MSI" "$E2E_WORK/next.msi"
msibuild "$E2E_WORK/next.msi" -q "UPDATE \`Property\` SET \`Value\`='100.0.0' WHERE \`Property\`='ProductVersion'" \
  -q "UPDATE \`Property\` SET \`Value\`='{0F0E0D0C-0B0A-4908-8706-050403020100}' WHERE \`Property\`='ProductCode'"
msiexec /i "$E2E_WORK/next.msi" || e2e_fail "the upgrade ended with $?"
e2e_expect_exit "$orbiqa" "the running Orbiqa, asked to end by the upgrade,"
! msiexec /i "$ORBIQA_MSI" || e2e_fail "the older package installed over the newer one"
[ "$(entries | sort | paste -sd,)" = "DisplayName Orbiqa,DisplayVersion 100.0.0,Publisher Quorvel" ] ||
  e2e_fail "not one entry, of 100.0.0, after the upgrade and the downgrade: $(entries)"
e2e_pass "an upgrade ends the running copy and leaves one entry; a downgrade is refused"

msiexec /x "$E2E_WORK/next.msi" || e2e_fail "the uninstall ended with $?"
[ ! -e "$installed" ] && [ ! -e "$shortcut" ] && ! entries && ! run_value HKLM Orbiqa && ! run_value HKCU Orbiqa ||
  e2e_fail "the uninstall left files, the shortcut, the entry or a Run value"
cmp "$E2E_WORK/settings" "$settings" || e2e_fail "the upgrade or the uninstall changed the settings file"
e2e_pass "an uninstall removes files, shortcut, entry and Run value, and keeps the settings as they were"
