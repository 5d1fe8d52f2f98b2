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
    libedit2 libgnutls30 libnettle8 libseccomp2 libcap2
    weston qt6-wayland
    dbus desktop-file-utils appstream
    at-spi2-core python3-pyatspi openbox
)

# chronyd, the NTP tests' private server, is unpacked into .peers/ rather than installed:
# installed, it would take the place of the desktop's own time service.
peers="$(cd "$(dirname "$0")/.." && pwd)/.peers"
fetch_chrony()
{
    [ -x "$peers/chrony/usr/sbin/chronyd" ] && return 0
    mkdir -p "$peers" && (cd "$peers" && rm -f chrony_*.deb && apt-get download -qq chrony \
        && dpkg-deb -x chrony_*.deb chrony && rm -f chrony_*.deb) \
        || echo "chrony could not be fetched: the NTP peer tests will say so" >&2
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    fetch_chrony
    exit 0
fi

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
fetch_chrony
exit $status
