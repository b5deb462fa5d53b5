#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ and runs them all, or those named
# as arguments (e.g. "bash scripts/bench.sh bench_numio").
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEK_BUILD_BENCHMARKS=ON \
      -DVEK_BUILD_TESTS=OFF -DVEK_BUILD_GALLERY=OFF
cmake --build build-bench --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(find build-bench/bench -maxdepth 1 -type f -name 'bench_*' -executable -printf '%f\n' | sort)
fi
for target in "${targets[@]}"; do
  echo "== $target"
  "build-bench/bench/$target"
done
