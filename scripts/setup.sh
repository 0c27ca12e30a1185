#!/usr/bin/env bash
# Installs what building, running and testing Orbiqa needs on a Debian machine, and
# only what is missing. Needs root (or sudo) and Debian's package registry. The 32-bit
# Wine loader comes only where the kernel runs 32-bit programs.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

packages=(
  cmake make git
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64
  clang libclang-rt-14-dev googletest libbenchmark-dev
  xvfb xcompmgr xdotool x11-apps x11-utils imagemagick
  msitools wixl
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
updated=no
install() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  [ $updated = yes ] || $sudo apt-get update -q
  updated=yes
  $sudo apt-get install -y -q "${missing[@]}"
}

install "${packages[@]}"

# 32-bit Windows programs need Wine's 32-bit loader, a 32-bit Linux program: ask the
# kernel with the 32-bit C library's own loader (from libc6-i386 or libc6:i386) first.
[ -x "$ORBIQA_WINE32" ] && exit 0
add_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  $sudo dpkg --add-architecture i386
  updated=no
}
[ -e "$ORBIQA_LOADER32" ] || { add_i386; install libc6:i386; }
if ! kernel_runs_32bit; then
  echo "This kernel cannot run 32-bit programs: wine32 is left out, dist/win32 is built but not run."
  exit 0
fi
add_i386
install wine32:i386
