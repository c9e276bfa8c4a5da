#!/usr/bin/env bash
# Installs the Debian packages the project needs; does nothing when all are there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n
  libpugixml-dev libminizip-dev zlib1g-dev
  libhunspell-dev hunspell-es hunspell-en-us
  libgtest-dev libbenchmark-dev
  qt6-svg-dev
  xvfb xauth xdotool desktop-file-utils zip unzip locales
  libxml2-utils python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
# A locale with a decimal comma, so the tests can show that numbers never follow the C library.
if ! locale -a 2>/dev/null | grep -qi '^es_AR\.utf-\?8$'; then
  $sudo_cmd localedef -i es_AR -f UTF-8 es_AR.UTF-8 || echo "es_AR.UTF-8 not available; a test will be skipped"
fi
