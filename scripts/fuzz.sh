#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs each over its seed corpus in
# fuzz/corpus/<target>/ plus a fixed number of new inputs, two targets at a
# time.  A failing target prints its log and the input that broke it.
#
#   scripts/fuzz.sh                  the fixed runs (./test.sh calls this)
#   scripts/fuzz.sh --time SECONDS   every target for SECONDS more, new
#                                    inputs kept in build-fuzz/found/<target>/
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=0
if [ "${1:-}" = "--time" ]; then
  seconds="${2:?--time needs a number of seconds}"
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESMORAN_CORE_ONLY=ON -DTESMORAN_FUZZ=ON -DTESMORAN_TESTS=OFF -DTESMORAN_BENCHMARKS=OFF \
  -DTESMORAN_SANITIZE=OFF -DTESMORAN_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_all

# Target and number of new inputs; the slower targets get fewer.
targets=(
  "fuzz_codecs 60000"
  "fuzz_exercises 30000"
  "fuzz_replace 30000"
  "fuzz_wordlist 1500"
  "fuzz_files 60000"
  "fuzz_print 60000"
  "fuzz_worksheet 15000"
  "fuzz_recovery 60000"
  "fuzz_exceptions 30000"
  "fuzz_sheet_layout 20000"
)

logs="$build/fuzz-logs"
rm -rf "$logs"
mkdir -p "$logs"

run_target() {
  local name="$1" runs="$2"
  local found="$build/found/$name"
  # The fixed runs start from the checked-in seeds alone every time.
  if [ "$seconds" -eq 0 ]; then
    found="$build/fuzz-new/$name"
    rm -rf "$found"
  fi
  mkdir -p "$found"
  local limits=(-seed=1 -max_len=512 -timeout=120 -rss_limit_mb=4096 -artifact_prefix="$logs/$name-")
  if [ "$seconds" -gt 0 ]; then
    limits+=(-max_total_time="$seconds")
  else
    limits+=(-runs="$runs")
  fi
  if "$build/fuzz/$name" "${limits[@]}" "$found" "fuzz/corpus/$name" >"$logs/$name.log" 2>&1; then
    echo "$name: $(grep -E '^Done' "$logs/$name.log" || echo done)"
  else
    echo "$name: FAILED"
    tail -n 40 "$logs/$name.log"
    ls "$logs/$name"-* 2>/dev/null || true
    return 1
  fi
}
export -f run_target
export build logs seconds

printf '%s\n' "${targets[@]}" | xargs -P 2 -L 1 bash -c 'run_target "$0" "$1"'
echo "All fuzz targets passed."
