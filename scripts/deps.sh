#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Orvane need, when any
# is missing. Uses sudo when not root. With arguments, installs just those packages (the
# data-generating scripts in tools/ and tools/fuzz.sh use this for their own tools).
set -euo pipefail

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
    cmake g++ ninja-build ccache pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libsqlite3-dev libcdio-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    clang-format-14
    xvfb xauth x11-utils xdotool imagemagick pulseaudio pulseaudio-utils sox
    libglib2.0-bin
    dovecot-pop3d dovecot-imapd xinetd openssl
    qtkeychain-qt6-dev gnome-keyring libsecret-tools
    libtag1-dev playerctl python3-gi gir1.2-totemplparser-1.0
    python3-vobject python3-icalendar libical-dev faketime
    dbus desktop-file-utils appstream
    at-spi2-core python3-pyatspi openbox
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
# The tests start their own private server instances; the system's daemons must not start on
# install. A policy script that answers 101 stops invoke-rc.d; remove it only if made here.
policy=/usr/sbin/policy-rc.d
made_policy=""
if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
    $sudo chmod 755 "$policy"
    made_policy=1
fi
status=0
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
[ -n "$made_policy" ] && $sudo rm -f "$policy"
exit $status
