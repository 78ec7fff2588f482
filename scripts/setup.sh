#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
# Quick and silent when everything is present.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
          xvfb xauth netcat-openbsd socat)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
