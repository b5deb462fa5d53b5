#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail

# qt6-tools-dev brings uic's companions for Designer: the plugin interface, QUiLoader
# and Designer's libraries; doxygen builds the API reference, pkgconf checks the
# installed pkg-config file, qt6-l10n-tools the translation template (lupdate),
# qt6-base-private-dev the platform switch of the accessibility tests.
packages=(cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-tools-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core ccache
          doxygen pkgconf qt6-l10n-tools qt6-base-private-dev)
missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
