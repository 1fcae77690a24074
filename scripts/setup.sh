#!/usr/bin/env bash
# Installs what the build and tests need (Debian 12), quietly when already present.
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
      libbenchmark-dev libmuparser-dev fonts-dejavu-core fonts-liberation2 xvfb xauth
      clang libclang-rt-14-dev imagemagick poppler-utils libreoffice-draw-nogui)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
