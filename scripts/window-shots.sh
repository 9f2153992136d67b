#!/usr/bin/env bash
# Pictures of every window at scale 1 and 2, for comparing before and after a
# change that must not move a pixel:
#   scripts/window-shots.sh build /tmp/before   (on the old commit)
#   scripts/window-shots.sh build /tmp/after    (on the new one)
#   diff -r /tmp/before /tmp/after && echo identical
set -euo pipefail
build=${1:?build directory}
out=${2:?folder for the pictures}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for scale in 1 2; do
    mkdir -p "$out/x$scale"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
        QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale LC_ALL=C.UTF-8 \
        "$build/tarvolix_window_shots" "$out/x$scale"
done
ls "$out"/x1 | wc -l | xargs echo "pictures per scale:"
