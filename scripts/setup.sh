#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run, test and package Trelvo.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev
  qt6-multimedia-dev libqt6multimediawidgets6 qml6-module-qtmultimedia
  qt6-image-formats-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  libgl-dev
  fonts-noto-cjk fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
  xvfb xauth x11-utils imagemagick
  dpkg-dev fakeroot file lintian desktop-file-utils appstream xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "安装缺少的软件包: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
