#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need, when
# any of them is missing.  Sourced by run.sh, test.sh and package.sh.
set -euo pipefail

# What building and running the program needs.
TESMORAN_PACKAGES=(
  build-essential cmake ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev qt6-multimedia-dev
  qt6-translations-l10n qt6-qpa-plugins
  libhyphen-dev texlive-lang-german
  libespeak-ng-dev espeak-ng-data libopusenc-dev pkgconf
  fonts-liberation fonts-dejavu-core fonts-sil-andika
  python3 python3-fonttools python3-brotli
  librsvg2-bin file
)
# What the tests and benchmarks need on top.
TESMORAN_TEST_PACKAGES=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth poppler-utils
  time wngerman sox
  lintian desktop-file-utils appstream
  clang libfuzzer-14-dev libclang-rt-14-dev
  chromium chromium-driver python3-selenium
)

# With "tests" also the packages of the tests and benchmarks.
tesmoran_install_deps() {
  local wanted=("${TESMORAN_PACKAGES[@]}")
  if [ "${1:-}" = tests ]; then
    wanted+=("${TESMORAN_TEST_PACKAGES[@]}")
  fi
  local missing=()
  local pkg
  for pkg in "${wanted[@]}"; do
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
