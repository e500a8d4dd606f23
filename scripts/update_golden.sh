#!/usr/bin/env bash
# Renders the snapshot tests' images anew into their golden PNGs (tests/**/golden/), for a change
# of the pages, the windows or the button looks that is meant. Look at every changed image before
# you commit it: git status and an image viewer show what moved.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
(cd build && TAVO_UPDATE_GOLDEN=1 ctest -E journeys --output-on-failure)
git status --short -- 'tests/**/golden/*.png'
