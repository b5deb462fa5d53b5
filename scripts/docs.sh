#!/usr/bin/env bash
# Builds the API reference (HTML, from the public headers) into build/docs/html, or into
# <folder>/html for "bash scripts/docs.sh <folder>". Any doxygen warning fails it, an
# undocumented public member included; the warnings are printed then.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
out="${1:-build/docs}"
mkdir -p "$out"
export VEK_SOURCE_DIR="$PWD"
export VEK_DOCS_OUTPUT
VEK_DOCS_OUTPUT="$(cd "$out" && pwd)"
export VEK_VERSION
VEK_VERSION="$(sed -n 's/^project(VekControls VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
export VEK_UNIT_HEADERS
VEK_UNIT_HEADERS="$(printf '%s ' "$PWD"/VEK_*/VEK_*.h)"
rm -f "$VEK_DOCS_OUTPUT/warnings.log"
if ! doxygen docs/Doxyfile || [ -s "$VEK_DOCS_OUTPUT/warnings.log" ]; then
  cat "$VEK_DOCS_OUTPUT/warnings.log" >&2 || true
  echo "The API reference has warnings." >&2
  exit 1
fi
echo "API reference: $VEK_DOCS_OUTPUT/html/index.html"
