#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a thumbnail of every shipped course for the README: the field as the game paints it
# at the start of the demo, with the sheets beside the simulator, at half size.
# Usage: scripts/render-course-thumbnails.sh [BIN_DIR]   (default: build/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
sim=$bin/brevanto-sim
out=$root/docs/courses
[ -x "$sim" ] || { echo "no brevanto-sim in $bin: build it first" >&2; exit 1; }
command -v convert >/dev/null || { echo "needs ImageMagick's convert" >&2; exit 1; }
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for course in "$root"/assets/*.DAT; do
    name=$(basename "$course" .DAT)
    QT_QPA_PLATFORM=offscreen "$sim" render "$course" "$scratch/$name.png" 2>/dev/null
    convert "$scratch/$name.png" -resize 50% "$out/$name.png"
    echo "$out/$name.png"
done
