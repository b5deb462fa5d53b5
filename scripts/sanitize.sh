#!/usr/bin/env bash
# Builds the library and every test with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ and runs the suite there. The first report of either sanitizer
# (leaks included) fails the test that caused it.
#
# Left out: the tests labelled "nosanitize" (the consumer projects, which only rebuild
# the library through cmake again, and the doxygen check), and the Designer plugin with
# its tests and the examples, which add Designer's own libraries but none of our code.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The same compiler cache as the normal build, keyed on paths relative to the checkout.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# -O1 with line tables only: reports still name file and line, and the build takes
# far less time than with full optimisation and debug information.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DVEK_SANITIZE=ON \
      -DVEK_BUILD_DESIGNER_PLUGIN=OFF -DVEK_BUILD_EXAMPLES=OFF -DVEK_BUILD_BENCHMARKS=OFF "$@"
cmake --build build-sanitize --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Outside libraries (Qt, fontconfig) keep some memory until exit: scripts/lsan.supp
# names them, and only them.
export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=0:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure --label-exclude nosanitize
