#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of TESMORAN into dist/.
#   ./package.sh               a build of its own with Debian's flags, in build-package/
#   ./package.sh BUILD_FOLDER  packs an already built folder (./test.sh does)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tesmoran_install_deps

if [ "$#" -gt 0 ]; then
  build="$1"
else
  build=build-package
  # Debian's optimisation and hardening flags and nothing else, as a package
  # built by the distribution gets them (build type None adds no flags).
  export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DTESMORAN_CORE_ONLY=OFF -DTESMORAN_TESTS=OFF \
    -DTESMORAN_BENCHMARKS=OFF -DTESMORAN_SANITIZE=OFF -DTESMORAN_WERROR=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  cmake --build "$build" --parallel "$(nproc)" --target tesmoran tesmoran-cli tesmoran_data
fi

rm -f dist/tesmoran_*.deb
mkdir -p dist
(cd "$build" && cpack -G DEB -B "$PWD/cpack")
cp "$build"/cpack/tesmoran_*.deb dist/
ls dist/tesmoran_*.deb
