#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs to build, test and run.
# Run as root.  Does nothing (and needs no network) when everything is present.
set -euo pipefail

packages=(
  g++ cmake make pkg-config python3
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev qt6-translations-l10n
  libvectorscan-dev
  libisal-dev
  libcurl4-openssl-dev
  libsqlite3-dev
  fonts-wqy-microhei
  ripgrep xvfb xauth
  dbus at-spi2-core python3-pyatspi
  clang-format clang-tidy
  clang libclang-rt-14-dev
  openssl
  locales
  victoria-metrics
  dpkg-dev lintian desktop-file-utils appstream librsvg2-bin debootstrap
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${missing[*]} (run this script as root to install them)" >&2
  exit 1
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
