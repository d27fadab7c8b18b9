#!/usr/bin/env bash
# Installs the Debian packages Gridora needs. Idempotent: asks apt only for what is missing, and
# runs `apt-get update` at most once.
#
#   scripts/install-deps.sh          what building and running the game need (make run, make build)
#   scripts/install-deps.sh --test   that, and what the tests, the bench and the package need
#   scripts/install-deps.sh --windows          what cross-building gridora.exe needs (make windows)
#   scripts/install-deps.sh --windows --test   that, and Wine and the rest of its tests
set -euo pipefail

packages=(
  # build; the translations are built into the game by Qt's lrelease, found through qt6-tools-dev
  cmake g++ make qt6-base-dev qt6-multimedia-dev libfontconfig-dev libxkbcommon-dev
  qt6-tools-dev qt6-l10n-tools
  # run: the captions are laid out for DejaVu Sans Condensed; Qt talks to the sound server itself;
  # Qt's own words (the box's "OK") in the player's language
  fonts-dejavu-core fonts-dejavu-extra libqt6multimedia6 libpulse0 qt6-translations-l10n
)
windows=false test=false
for option in "$@"; do
  case $option in
    --windows) windows=true ;;
    --test) test=true ;;
    *) echo "install-deps: unknown option $option" >&2; exit 2 ;;
  esac
done
if $windows; then
  packages+=(
    # the cross-compiler; Qt for Windows from this release's sources (apt-get source unpacks them
    # with dpkg-source), built by CMake and Ninja with the host's Qt tools of the same version
    g++-mingw-w64-x86-64-posix dpkg-dev xz-utils ninja-build qt6-base-dev-tools qt6-shadertools-dev
    qt6-shader-baker
    # the zip of gridora.exe; its installer, made by wixl from a WiX source and set by msibuild,
    # with the codes and the date from the commit
    zip wixl msitools uuid-runtime faketime
  )
fi
if $windows && $test; then
  packages+=(
    # Wine, a display, a sound server, input and screen capture, sound analysis, a German locale
    wine wine64 xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils sox locales
  )
elif $test; then
  packages+=(
    # a display, a sound server, input and screen capture, sound analysis; Qt's Wayland platform,
    # which must say in one line that it finds no compositor
    xvfb xauth x11-utils xdotool imagemagick pulseaudio pulseaudio-utils sox python3 qt6-wayland
    # a desktop settings portal of the tests' own, with a text size to follow
    python3-dbus python3-gi
    # the fonts the package recommends for the scripts DejaVu lacks, so that the captions' fit is
    # measured in these too: Chinese, Japanese and Korean (Hangul), Devanagari, Thai
    fonts-wqy-microhei fonts-lohit-deva fonts-tlwg-loma
    # a screen reader on its own buses, speaking through the sound server
    orca at-spi2-core dbus speech-dispatcher-espeak-ng
    # the package and its checks
    dpkg-dev file desktop-file-utils appstream lintian
    # the bench's probe
    pkg-config libx11-dev libxdamage-dev libxfixes-dev libxtst-dev
    # a fresh Debian of another release, for scripts/test-release.sh
    debootstrap
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Without root, sudo installs them; without either, or when that fails, say what to run.
cannot() {
    echo "install-deps: these Debian packages are missing: ${missing[*]}" >&2
    echo "install-deps: install them as root with: apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
}
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || cannot
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q || cannot
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}" || cannot
