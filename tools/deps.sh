#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the real-window checks need, if any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build binutils
  qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev
  fonts-dejavu-core fontconfig e2fsprogs
  xvfb xauth openbox xdotool x11-utils x11-xkb-utils imagemagick desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
