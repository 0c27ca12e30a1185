#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix (CTest's emulator).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
prepare_wine_prefix
exec "$(wine_loader_for "$1")" "$@"
