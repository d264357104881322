#!/bin/sh
# Makes spanwise.ico beside it from the project's icon images: 16, 20, 24, 32, 40, 48 and 64 px
# (Explorer's and the taskbar's sizes at 100% to 200% scaling) and 256 px (large icons). Run after
# render-icons.sh has made new ones, and commit the icon with them. Needs ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
icons=$(cd "$here/../../res/icons" && pwd)
images=""
for size in 16 20 24 32 40 48 64 256; do
    images="$images $icons/spanwise-$size.png"
done
# shellcheck disable=SC2086 # one word per image
/usr/bin/convert $images "$here/spanwise.ico"
