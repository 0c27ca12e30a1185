#!/usr/bin/env bash
# Configures and builds the given presets (default: win64 and win32, which fill
# dist/win64/ and dist/win32/).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(win64 win32)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
