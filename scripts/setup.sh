#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when all are present.
# Without recommendations: wireplumber's would bring pipewire-pulse, which takes PulseAudio's place.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    clang-14 libclang-rt-14-dev clang-format
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev libsdl2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb xdotool x11-utils x11-apps imagemagick
    sox espeak-ng python3 pulseaudio pulseaudio-utils
    weston libweston-10-dev qt6-wayland pipewire pipewire-bin wireplumber
    dbus at-spi2-core python3-pyatspi
    zlib1g-dev desktop-file-utils appstream shared-mime-info
    dpkg-dev fakeroot lintian
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
