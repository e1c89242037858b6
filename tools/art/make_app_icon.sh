#!/usr/bin/env bash
# Draws the application icon (resource 128) from the public-domain Tango set: a document with
# a clock in its corner, for "documents you opened, and when". Needs tango-icon-theme and
# imagemagick and librsvg2-bin; the .ico it writes is committed.
set -euo pipefail
out=${1:-$(dirname "$0")/../../resources/icons/kestrum.ico}
svg=/usr/share/icons/Tango/scalable
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
frames=()
for size in 16 24 32 48; do
  badge=$(( size * 5 / 8 ))
  rsvg-convert -w $size -h $size "$svg/mimetypes/x-office-document.svg" -o "$tmp/doc.png"
  rsvg-convert -w $badge -h $badge "$svg/actions/appointment.svg" -o "$tmp/clock.png"
  convert "$tmp/doc.png" "$tmp/clock.png" -gravity southeast -composite "$tmp/$size.png"
  frames+=("$tmp/$size.png")
done
convert "${frames[@]}" "$out"
echo "wrote $out"
