#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quorvan needs.
# Does nothing when every one of them is already present.
set -euo pipefail
packages=(
  g++ make cmake ninja-build pkg-config
  qt6-base-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
