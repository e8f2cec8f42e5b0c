#!/usr/bin/env bash
# Installs what the build, the tests and the fixture scripts need on Debian; idempotent.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git locales
  libboost-dev libboost-thread-dev libboost-system-dev
  libwxgtk3.2-dev libmpg123-dev
  libgtest-dev libgmock-dev libtag1-dev
  clang libclang-rt-dev
  xvfb xauth xdotool
  mpg123 lame sox libsox-fmt-mp3 ffmpeg espeak-ng twolame id3v2 eyed3 imagemagick mp3splt mp3gain
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The language tests need one real non-English system locale.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Generating the de_DE.UTF-8 locale"
  $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
