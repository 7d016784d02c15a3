#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev
# A locale with a decimal comma, so the tests show that number text ignores the C library's locale.
mkdir -p build/dev/locale
[ -d build/dev/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/dev/locale/de_DE.UTF-8 || true
SPECDESK_TEST_LOCPATH="$PWD/build/dev/locale" ctest --preset dev --timeout 600 "$@"
