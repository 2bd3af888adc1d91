#!/usr/bin/env bash
# Installs, idempotently, every Debian package that building, running and
# testing the editor needs. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  clang libclang-rt-14-dev llvm
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev libqt5sql5-sqlite
  qttools5-dev qttools5-dev-tools qt5-image-formats-plugins
  fonts-dejavu-core fonts-liberation2
  xvfb xauth imagemagick
  libbenchmark-dev librsvg2-bin
  dpkg-dev fakeroot file xdg-utils shared-mime-info libfile-mimeinfo-perl
  desktop-file-utils appstream groff-base
  libcups2-dev cups cups-client cups-bsd
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
