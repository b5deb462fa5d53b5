#!/usr/bin/env bash
# Builds and starts the gallery. Without a display it writes one screenshot per
# control into screenshots/ (or the folder given as first argument) and exits.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/examples/gallery/gallery
else
  out="${1:-screenshots}"
  QT_QPA_PLATFORM=offscreen build/examples/gallery/gallery --screenshot "$out"
  echo "Screenshots written to $out/"
fi
