#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev
  libglew-dev libglm-dev libgl-dev libgl1-mesa-dri libglx-mesa0
  libfreetype-dev libtinyxml2-dev libimgui-dev libstb-dev
  libgtest-dev libgmock-dev
  fonts-dejavu-core librsvg2-bin sox
  xvfb xauth xdotool x11-utils imagemagick libxdamage-dev libxext-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
