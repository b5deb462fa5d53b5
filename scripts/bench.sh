#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ and runs them all, or those named
# as arguments (e.g. "bash scripts/bench.sh bench_numio"). With --compare, builds the
# benchmarks of bench/compare_pairs.txt and prints the side-by-side table of our controls
# against the Qt widgets (see scripts/compare.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEK_BUILD_BENCHMARKS=ON \
      -DVEK_BUILD_TESTS=OFF -DVEK_BUILD_GALLERY=OFF
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--compare" ]; then
  mapfile -t compared < <(grep -v '^[[:space:]]*\(#\|$\)' bench/compare_pairs.txt | cut -d'|' -f2 | xargs -n1 | sort -u)
  cmake --build build-bench --parallel "$(nproc)" --target "${compared[@]}"
  exec bash scripts/compare.sh build-bench/bench
fi
cmake --build build-bench --parallel "$(nproc)"
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(find build-bench/bench -maxdepth 1 -type f -name 'bench_*' -executable -printf '%f\n' | sort)
fi
for target in "${targets[@]}"; do
  echo "== $target"
  "build-bench/bench/$target"
done
