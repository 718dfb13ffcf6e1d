#!/usr/bin/env bash
# Installs the Debian 12 packages Tickwren needs to build, run and test.
# Packages already present are not fetched again, so a second run needs no network.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins
  qttools5-dev qttools5-dev-tools qttranslations5-l10n qtwebengine5-dev
  libsndfile1-dev libpulse-dev zlib1g-dev libfftw3-dev
  libavcodec-dev libavformat-dev libavutil-dev
  clang libclang-rt-14-dev clang-format
  xvfb dbus fonts-dejavu-core libxtst-dev pulseaudio python3-pyftpdlib
  poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
