#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Gridora need.
# Idempotent: asks apt only for what is missing, and runs `apt-get update` at most once.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libfontconfig-dev
  # run: the captions are laid out for DejaVu Sans Condensed; Qt talks to the sound server itself
  fonts-dejavu-core fonts-dejavu-extra libqt6multimedia6 libpulse0
  # tests: a display, a sound server, input and screen capture, sound analysis, package checks
  xvfb xauth x11-utils xdotool imagemagick pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream dpkg-dev file python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get -o DPkg::Lock::Timeout=600 update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
