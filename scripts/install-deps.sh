#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program.
# Does nothing when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-wayland qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libmpv-dev libsdl2-dev libjpeg-dev
  googletest libgtest-dev
  ffmpeg mjpegtools espeak-ng fonts-noto-color-emoji fonts-dejavu-core fonts-liberation
  xvfb xauth x11-utils x11-xserver-utils openbox weston xdotool libxtst-dev libxcb1-dev libxss-dev imagemagick
  strace ccache
  dbus-daemon clang clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
