#!/bin/sh
# Renders spanwise.svg to the PNGs beside it (spanwise-SIZE.png from 16 to 512 px and
# spanwise-maskable-512.png). Run after changing the SVG and commit the PNGs with it, then make
# Windows' icon file (win32/res/make-icon.sh). Needs a configured build (cmake --preset default).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPANWISE_BUILD_DIR:-$root/build/default}
cmake --build "$build" --target spanwise_render_icons -j2
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$build/gui/spanwise_render_icons" "$here/spanwise.svg" "$here"
