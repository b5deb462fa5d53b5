#!/usr/bin/env bash
# Builds the libFuzzer targets under fuzz/ with clang, address and undefined-behaviour
# sanitizers into build-fuzz/, then runs each one for the given seconds (default 60),
# one after the other, over its seed corpus fuzz/corpus/<target>/.
#
#   bash scripts/fuzz.sh [seconds] [target...]
#
# New inputs the fuzzer finds interesting go to build-fuzz/corpus/<target>/ (kept between
# runs, not in the repository); an input that crashes is written to
# fuzz/corpus/<target>/crash-<hash>, where the replay test (test_fuzz_replay) picks it up.
# After fixing the fault, rename the file to say what it found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true

bash scripts/install-deps.sh
# clang, and its run-time libraries with libFuzzer (only recommended by Debian's clang).
fuzzer_runtime() { echo "$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-x86_64.a"; }
if ! command -v clang++ >/dev/null || [ ! -f "$(fuzzer_runtime)" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends clang
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
    "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
fi

# ccache keys on paths relative to the checkout, so every clone shares one cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# -O1 with line tables only: the sanitizers' stack traces stay readable and the
# instrumented build takes half the time of -O2 -g.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVEK_FUZZ=ON \
  -DVEK_BUILD_TESTS=OFF -DVEK_BUILD_GALLERY=OFF -DVEK_BUILD_EXAMPLES=OFF \
  -DVEK_BUILD_BENCHMARKS=OFF -DVEK_BUILD_DESIGNER_PLUGIN=OFF -DVEK_INSTALL=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for src in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi

export QT_QPA_PLATFORM=offscreen
# Leaks of the fuzzed code are faults too; ASan reports them when a run ends.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
status=0
for target in "${targets[@]}"; do
  work="build-fuzz/corpus/$target"
  seeds="fuzz/corpus/$target"
  mkdir -p "$work" "$seeds"
  # A target's dictionary (the words of its input language) helps it past its syntax.
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  echo "== $target: $seconds s"
  # One fuzzing process at a time, in this process (no -jobs: that would fork and log to
  # files), as the machine may be shared. Slow inputs (over 10 s) and memory beyond 2 GB
  # count as findings.
  if ! "build-fuzz/fuzz/$target" "$work" "$seeds" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$seeds/" -print_final_stats=1 "${dict[@]}"; then
    echo "== $target found a fault; the input is in $seeds/" >&2
    status=1
  fi
done
exit $status
