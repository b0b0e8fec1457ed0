#!/usr/bin/env bash
# Copies demo screenshots into the operator's guide's picture folder, small enough to
# keep in the repository: cut to the given areas (by default all of the console's client
# area, which holds only the plug-in and the log pane) and reduced to an 8-bit palette
# without dithering, which keeps the few flat colours of the windows exact.
#
#   sim/demo_docs.sh <screenshot folder> <picture folder> SHOT:PICTURE[:AREAS] ...
#
# SHOT is a screenshot's name in the first folder (without .png), PICTURE the name it
# gets in the second. AREAS, when given, are crop areas in ImageMagick's WxH+X+Y form,
# separated by commas; the picture shows them one below the other.
set -euo pipefail

shots=${1:?usage: demo_docs.sh <screenshot folder> <picture folder> SHOT:PICTURE[:AREAS] ...}
pictures=${2:?usage: demo_docs.sh <screenshot folder> <picture folder> SHOT:PICTURE[:AREAS] ...}
shift 2
mkdir -p "$pictures"

rc=0
for pair in "$@"; do
  IFS=: read -r shot picture areas <<< "$pair"
  from=$shots/$shot.png
  to=$pictures/$picture.png
  if [ ! -f "$from" ]; then
    echo "demo: no screenshot $shot for the guide's $picture.png" >&2
    rc=1
    continue
  fi
  cut=()
  if [ -n "$areas" ]; then
    IFS=, read -r -a parts <<< "$areas"
    for part in "${parts[@]}"; do cut+=('(' -clone 0 -crop "$part" +repage ')'); done
    cut+=(-delete 0 -append)
  fi
  convert "$from" "${cut[@]}" -strip -dither None -colors 64 \
    -define png:compression-level=9 -define png:exclude-chunks=date,time "PNG8:$to"
  echo "demo: guide picture $to ($(( $(stat -c %s "$to") / 1024 )) KB)"
done
exit $rc
