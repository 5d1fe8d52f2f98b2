#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Orvane need, when any
# is missing. Uses sudo when not root. With arguments, installs just those packages (the
# data-generating scripts in tools/ and tools/fuzz.sh use this for their own tools).
set -euo pipefail

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libsqlite3-dev libcdio-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    clang-format-14
    xvfb xauth x11-utils imagemagick pulseaudio pulseaudio-utils sox
    libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
