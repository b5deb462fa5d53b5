#!/usr/bin/env bash
# Renders the README's pictures into docs/images/, headless: the plugin's group in Qt
# Designer's widget box, the example form in Designer's form editor and read by
# QUiLoader, and every control's gallery page, 300 pixels wide.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --parallel "$(nproc)" \
      --target gallery forms_example vekcontrols_designer_snapshot
export QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$PWD/build/plugins"
images=docs/images
mkdir -p "$images/controls"
build/bin/vekcontrols-designer-snapshot --widget-box "$images/designer-widget-box.png" \
  --form examples/forms/supplypanel.ui "$images/designer-form-editor.png"
build/examples/forms/forms --runtime --screenshot "$images/designer-form.png"
shots="$(mktemp -d)"
build/examples/gallery/gallery --screenshot "$shots" --width 300 >/dev/null
find "$shots" -name '*.png' ! -name '*-dark.png' -exec cp {} "$images/controls/" \;
rm -rf "$shots"
echo "Pictures written to $images/"
