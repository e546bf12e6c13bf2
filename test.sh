#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything with warnings as errors and runs
# every test: the core and window tests, the checks of the Debian package made
# from that build, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets over their seed inputs plus
# a fixed number of new ones.  Each build has its own folder (build/,
# build-asan/, build-fuzz/; ./run.sh uses build-run/, ./package.sh
# build-package/), and every option is given here, so that no other script's
# choices linger in a cache.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tesmoran_install_deps tests

jobs="$(nproc)"

echo "== Build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMORAN_CORE_ONLY=OFF -DTESMORAN_TESTS=ON \
  -DTESMORAN_BENCHMARKS=ON -DTESMORAN_SANITIZE=OFF -DTESMORAN_WERROR=ON
cmake --build build --parallel "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 --parallel "$jobs")

echo "== Debian package of that build, and its checks =="
./package.sh build
scripts/check-package.sh dist/tesmoran_*.deb

echo "== Core tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESMORAN_CORE_ONLY=ON -DTESMORAN_TESTS=ON \
  -DTESMORAN_BENCHMARKS=OFF -DTESMORAN_SANITIZE=ON -DTESMORAN_WERROR=ON
cmake --build build-asan --parallel "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 600 --parallel "$jobs")

echo "== Fuzz targets =="
scripts/fuzz.sh
