#!/usr/bin/env bash
# What Windows reads from the installers' tables, per user above all (Wine ignores it): msi_tables.sh VERSION MSI...
set -euo pipefail
version=$1 && shift
for msi in "$@"; do
  [ -f "$msi" ] || { echo "SKIP: $msi is not built"; continue; }
  [[ $msi = *-win64.msi ]] && arch=x64 files=ProgramFiles64Folder || arch=Intel files=ProgramFilesFolder
  while IFS='|' read -r table row; do
    msiinfo export "$msi" "$table" | tr -d '\r' | grep -qxF "$row" || { echo "FAIL: $msi: $table lacks $row"; exit 1; }
  done <<EOF
Property|ALLUSERS	2
Property|MSIINSTALLPERUSER	1
Property|ARPNOMODIFY	1
Property|ARPPRODUCTICON	Orbiqa.ico
Property|Manufacturer	Quorvel
Property|ProductVersion	$version
Upgrade|{D71DA30F-6CF0-4745-8268-057034861952}		$version		1		WIX_UPGRADE_DETECTED
Upgrade|{D71DA30F-6CF0-4745-8268-057034861952}	$version			2		WIX_DOWNGRADE_DETECTED
Directory|INSTALLDIR	$files	Orbiqa
Shortcut|StartMenuShortcut	ProgramMenuFolder	Orbiqa	Program	Complete				Orbiqa.ico			INSTALLDIR				
EOF
  # Word Count 10: compressed (2), and no elevation for a per-user install (8).
  msiinfo suminfo "$msi" | grep -qx "Template: $arch;1033" && msiinfo suminfo "$msi" | grep -qx "Source: 10 (a)" ||
    { echo "FAIL: $msi is no $arch package, or needs elevation"; exit 1; }
done
