#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev --timeout 600 "$@"
