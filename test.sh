#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
setup_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUELMOR_SANITIZE=ON -DQUELMOR_TESTS=ON
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
set +e
ctest --output-on-failure -j"$(nproc)" "$@" | tee ctest.out
status=${PIPESTATUS[0]}
set -e
# What random play covered under the sanitizers: its seed, games and actions.
echo "Random play:"
grep -E '^(seed [0-9]+|games [0-9]+, actions)' Testing/Temporary/LastTest.log || true
# ctest's own summary stays the last word.
grep -E 'tests passed, [0-9]+ tests failed out of' ctest.out || true
exit "$status"
