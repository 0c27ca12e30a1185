#!/usr/bin/env bash
# Regenerates the README's pictures in docs/images/: the end-to-end walk of dist/win64
# over the test slide keeps a screenshot at each step, on a virtual display of its own, and
# the colour and pointer walk keeps the blue dim and the laser pointer, and
# the check on two monitors keeps the spotlight on the second one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh win64
export ORBIQA_WINEPREFIX=$PWD/build/wineprefix-screenshots
unset DISPLAY
ORBIQA_DOC_IMAGES=$PWD/docs/images bash tests/e2e/walk_e2e.sh
ORBIQA_DOC_IMAGES=$PWD/docs/images bash tests/e2e/pointer_e2e.sh
ORBIQA_DOC_IMAGES=$PWD/docs/images bash tests/e2e/screens_e2e.sh
