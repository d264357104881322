#!/bin/sh
# Renders spanwise.svg to spanwise-{16,32,48,128}.png beside it. Run after changing the SVG and
# commit the PNGs with it. Needs a configured build (cmake --preset default).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPANWISE_BUILD_DIR:-$root/build/default}
cmake --build "$build" --target spanwise_render_icons -j2
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$build/gui/spanwise_render_icons" "$here/spanwise.svg" "$here"
