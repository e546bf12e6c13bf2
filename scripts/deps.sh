#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when
# any of them is missing.  Sourced by run.sh and test.sh.
set -euo pipefail

TESMORAN_PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  qt6-translations-l10n qt6-qpa-plugins
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth poppler-utils
  time
  clang libfuzzer-14-dev
)

tesmoran_install_deps() {
  local missing=()
  local pkg
  for pkg in "${TESMORAN_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
