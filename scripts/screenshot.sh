#!/bin/sh
# Renders the real calculator window on Qt's offscreen platform to docs/screenshot.png: builds
# spanwise if needed, runs it with its --screenshot option (which saves the window as soon as it
# is shown, then closes it) and needs no display.
#
#   scripts/screenshot.sh [OUTPUT.png]
#
# SPANWISE_BUILD_DIR chooses the build tree (default: build/default, the default preset's).
# The window uses the Japanese Gothic fonts of fonts-ipafont-gothic where the system lacks the
# dialog's own; render with them installed so that the picture matches a typical desktop.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SPANWISE_BUILD_DIR:-$root/build/default}
output=${1:-$root/docs/screenshot.png}

if ! fc-list 2>/dev/null | grep -q 'IPAPGothic'; then
    echo "screenshot.sh: IPAPGothic is not installed (apt-get install fonts-ipafont-gothic);" \
         "the window falls back to the desktop font" >&2
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target spanwise -j2

mkdir -p "$(dirname "$output")"
QT_QPA_PLATFORM=offscreen "$build/gui/spanwise" --screenshot "$output"
echo "wrote $output"
