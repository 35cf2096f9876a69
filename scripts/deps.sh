#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing (apt-get, as root or
# through sudo).
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libcli11-dev
          libgtest-dev libgmock-dev libbenchmark-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
