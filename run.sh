#!/usr/bin/env bash
# Installs what is missing, builds and starts TESMORAN.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tesmoran_install_deps

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMORAN_BENCHMARKS=OFF
cmake --build build --parallel "$(nproc)" --target tesmoran tesmoran-cli
exec ./build/src/tesmoran "$@"
