#!/usr/bin/env bash
# Installs every Debian 12 package that Orvane needs to build, test and run.
# As root it runs apt-get itself; otherwise it prints the command to run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxrl-dev
  fonts-noto-cjk fonts-liberation
  xterm xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
  echo "Orvane needs these packages; run as root:"
  echo "  apt-get update && ${cmd[*]}"
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
"${cmd[@]}"
