#!/usr/bin/env bash
# Configures and builds Tavo in build/ (one build directory for everything).
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache may serve another checkout of the same tree (CI builds a fresh clone): paths inside
# the tree count as relative.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVO_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)" "$@"
