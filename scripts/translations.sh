#!/usr/bin/env bash
# Writes the translation template translations/vekcontrols.ts anew from the sources, with
# Qt's lupdate. Run it after adding or changing a built-in text; the test suite fails
# while the template misses one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -DMODE=update -P cmake/TranslationTemplate.cmake
echo "translations/vekcontrols.ts updated"
