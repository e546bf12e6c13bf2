#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts TESMORAN.  Its own build folder
# (build-run/), without tests or benchmarks, so it needs neither GoogleTest
# nor Google Benchmark and never changes the test build's settings.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tesmoran_install_deps

cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMORAN_CORE_ONLY=OFF -DTESMORAN_TESTS=OFF \
  -DTESMORAN_BENCHMARKS=OFF -DTESMORAN_SANITIZE=OFF
cmake --build build-run --parallel "$(nproc)" --target tesmoran tesmoran-cli
exec ./build-run/src/tesmoran "$@"
