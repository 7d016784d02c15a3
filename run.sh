#!/usr/bin/env bash
# Installs what is missing, builds, sets up the working folder and opens the program on a table
# (the given one, or a sample spectrum).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake --preset release
cmake --build --preset release
./build/release/src/setup/specdesk-setup
table="${1:-examples/halpha_two_column.txt}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<MSG
There is no display to open the window on. Either start a virtual one:
  Xvfb :99 & DISPLAY=:99 ./run.sh ${1:-}
or run without any screen:
  QT_QPA_PLATFORM=offscreen ./run.sh ${1:-}
The headless runner works anywhere:
  ./build/release/src/script/specdesk-script SCRIPT [TABLE]
MSG
  exit 1
fi
exec ./build/release/src/gui/specdesk "$table"
