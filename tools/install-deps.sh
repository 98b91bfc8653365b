#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the viewer need.
# Idempotent: when everything is present it returns after one dpkg query.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libqt6svg6 qt6-svg-dev libgl1-mesa-dev
  libvlc-dev libvlc5 libvlc-bin vlc-plugin-base vlc-plugin-video-output
  ffmpeg xvfb xauth imagemagick libgl1-mesa-dri fonts-dejavu-core fonts-wqy-microhei
  libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
  libva2 libva-drm2 libjs-leaflet gpsbabel python3-gpxpy xdotool x11-utils
  dpkg-dev appstream
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  libfreetype-dev
  libgeonames-dev libgeonames-common libsqlite3-dev libcairo2-dev libpango1.0-dev poppler-utils
  locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# The tests read numbers back under a decimal-comma locale (de_DE); made once when missing.
german_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  german_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
german_locale
