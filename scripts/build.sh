#!/usr/bin/env bash
# Configures and builds the library, the tests and the gallery into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# ccache keys on paths relative to the checkout, so every clone shares one cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel "$(nproc)"
