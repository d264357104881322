#!/bin/sh
# Renders the real calculator window on Qt's offscreen platform to docs/screenshot.png: builds
# spanwise if needed, runs it with its --screenshot option (which saves the window as soon as it
# is shown, then closes it) and needs no display. With --ranges, renders the Ranges box to
# docs/screenshot-ranges.png instead, once Fit a Recording Time has accepted 3d, so that the box
# marks the ranges that record it. With --lang CODE, in that language, to docs/screenshot-CODE.png
# (docs/screenshot-ranges-CODE.png).
#
#   scripts/screenshot.sh [--ranges] [--lang CODE] [OUTPUT.png]
#
# SPANWISE_BUILD_DIR chooses the build tree (default: build/default, the default preset's).
# The window uses the Japanese Gothic fonts of fonts-ipafont-gothic where the system lacks the
# dialog's own; render with them installed so that the picture matches a typical desktop.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SPANWISE_BUILD_DIR:-$root/build/default}
ranges=false
if [ "${1:-}" = --ranges ]; then
    ranges=true
    shift
fi
suffix=
if [ "${1:-}" = --lang ]; then
    # The locale's variables choose the language of the window and of the Ranges box alike.
    LC_ALL="$2.UTF-8"
    export LC_ALL
    suffix="-$2"
    shift 2
fi
if $ranges; then
    output=${1:-$root/docs/screenshot-ranges$suffix.png}
else
    output=${1:-$root/docs/screenshot$suffix.png}
fi

if ! fc-list 2>/dev/null | grep -q 'IPAPGothic'; then
    echo "screenshot.sh: IPAPGothic is not installed (apt-get install fonts-ipafont-gothic);" \
         "the window falls back to the desktop font" >&2
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
mkdir -p "$(dirname "$output")"
if $ranges; then
    cmake --build "$build" --target spanwise_ranges_screenshot -j2
    QT_QPA_PLATFORM=offscreen "$build/gui/spanwise_ranges_screenshot" "$output" 3d
else
    cmake --build "$build" --target spanwise -j2
    QT_QPA_PLATFORM=offscreen "$build/gui/spanwise" --screenshot "$output"
fi
echo "wrote $output"
