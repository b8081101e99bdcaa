#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
setup_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELMOR_TESTS=OFF
exec ./build/bin/quelmor "$@"
