#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: the normal build, the libFuzzer targets (clang), and the whole
# suite again under AddressSanitizer + UndefinedBehaviorSanitizer. Ends on ctest's summary.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh || exit 1

JOBS=${JOBS:-2}
status=0
# A compiler cache, where the machine has one, makes the three trees' rebuilds cheap.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths relative to the checkout, so that a clone in another folder finds the same entries.
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
fi
configure_and_build() { # dir, cmake options...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null && cmake --build "$dir" -j"$JOBS"
}

configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 1
configure_and_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DBREVANTO_FUZZ_ONLY=ON || exit 1
configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DBREVANTO_SANITIZE=ON -DBREVANTO_BENCH=OFF || exit 1

echo "=== tests (normal build)"
(cd build && ctest --output-on-failure -j"$JOBS") || status=1
echo "=== fuzz targets"
(cd build-fuzz && ctest --output-on-failure) || status=1
echo "=== tests (AddressSanitizer + UndefinedBehaviorSanitizer)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$JOBS") || status=1
exit $status
