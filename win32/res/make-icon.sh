#!/bin/sh
# Makes spanwise.ico (16, 32 and 48 px) beside it from the project's icon images. Run after
# render-icons.sh has made new ones, and commit the icon with them. Needs ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
icons=$(cd "$here/../../res/icons" && pwd)
/usr/bin/convert "$icons/spanwise-16.png" "$icons/spanwise-32.png" "$icons/spanwise-48.png" \
    "$here/spanwise.ico"
