#!/usr/bin/env bash
# Installs what is missing, builds and starts Tavo. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh --target Tavo >/dev/null
exec build/app/Tavo "$@"
