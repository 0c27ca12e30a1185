#!/usr/bin/env bash
# msi_tables.sh VERSION MSI...: what Windows reads from the installers' tables, the per-user default above all
# (Wine ignores it). Source 10: compressed (2), needing no elevation (8). A package not built is skipped.
set -euo pipefail
version=$1 && shift
for msi in "$@"; do
  [ -f "$msi" ] || continue
  [[ $msi = *-win64.msi ]] && arch=x64 files=ProgramFiles64Folder || arch=Intel files=ProgramFilesFolder
  if grep -vxF -f <({ for table in Property Upgrade Directory Shortcut; do msiinfo export "$msi" $table; done
    msiinfo suminfo "$msi"; } | tr -d '\r') <<EOF; then
ALLUSERS	2
MSIINSTALLPERUSER	1
ARPNOMODIFY	1
ARPPRODUCTICON	Orbiqa.ico
{D71DA30F-6CF0-4745-8268-057034861952}		$version		1		WIX_UPGRADE_DETECTED
{D71DA30F-6CF0-4745-8268-057034861952}	$version			2		WIX_DOWNGRADE_DETECTED
{D71DA30F-6CF0-4745-8268-057034861952}	$version			256		WIX_UPGRADE_DETECTED
INSTALLDIR	$files	Orbiqa
StartMenuShortcut	ProgramMenuFolder	Orbiqa	Program	Complete				Orbiqa.ico			INSTALLDIR				
Template: $arch;1033
Source: 10 (a)
EOF
    echo "FAIL: $msi lacks the lines above" && exit 1
  fi
done
