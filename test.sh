#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core
# and window tests, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets over their seeds plus a
# fixed number of new inputs.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tesmoran_install_deps

jobs="$(nproc)"

echo "== Build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300)

echo "== Core tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESMORAN_CORE_ONLY=ON -DTESMORAN_SANITIZE=ON \
  -DTESMORAN_BENCHMARKS=OFF
cmake --build build-asan --parallel "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 600)

echo "== Fuzz targets =="
scripts/fuzz.sh
