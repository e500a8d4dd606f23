#!/usr/bin/env bash
# Configures and builds Tavo in build/ (one build directory for everything).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVO_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)" "$@"
