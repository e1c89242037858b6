#!/usr/bin/env bash
# Makes every icon and bitmap of Kestrum: the icons from the public-domain Tango set (its
# hand-tuned 16, 24 and 32 pixel drawings where it has them, its SVGs otherwise), the few it lacks
# from the SVGs beside this script in the same palette, the two dialog pictures, and the tool-bar
# strips. The results are committed; run this again only to change the art.
#
#   tools/art/make_art.sh [RESOURCE_DIR]      (default: resources/ of this tree)
#
# Needs tango-icon-theme, librsvg2-bin (rsvg-convert) and imagemagick. ImageMagick only
# composes and converts: its own SVG renderer draws Tango badly, rsvg-convert draws every SVG.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
res=$(cd "${1:-$here/../../resources}" && pwd)
tango=/usr/share/icons/Tango
[ -d "$tango/scalable" ] || { echo "make_art: install tango-icon-theme" >&2; exit 1; }
command -v rsvg-convert >/dev/null || { echo "make_art: install librsvg2-bin" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$res/icons" "$res/bitmaps"

# Tool-bar strips put this colour where a button is transparent (24-bit, masked).
toolbar_mask='#FF00FF'
icon_sizes=(16 24 32 48)

# Renderers: NAME SIZE OUT. Each writes a SIZE x SIZE 32-bit PNG with alpha.
tango() {
  local png="$tango/${2}x${2}/$1.png"
  if [ -f "$png" ]; then
    convert "$png" "PNG32:$3"
  else
    rsvg-convert -w "$2" -h "$2" "$tango/scalable/$1.svg" -o "$3"
  fi
}
tango_svg() { rsvg-convert -w "$2" -h "$2" "$tango/scalable/$1.svg" -o "$3"; }
own() { rsvg-convert -w "$2" -h "$2" "$here/svg/$1.svg" -o "$3"; }

# badged BASE BADGE SIZE OUT: a Tango picture with a smaller Tango emblem in its lower right
# corner, five eighths of the size, as the shell marks shortcuts.
badged() {
  local badge=$(( $3 * 5 / 8 ))
  tango "$1" "$3" "$tmp/base.png"
  tango_svg "$2" "$badge" "$tmp/badge.png"
  convert "$tmp/base.png" "$tmp/badge.png" -gravity southeast -composite "PNG32:$4"
}

# faded_badged BASE BADGE SIZE OUT: the same over a half-transparent base (a document that is gone).
faded_badged() {
  local badge=$(( $3 * 5 / 8 ))
  tango "$1" "$3" "$tmp/base.png"
  convert "$tmp/base.png" -channel A -evaluate multiply 0.6 +channel "PNG32:$tmp/faded.png"
  tango_svg "$2" "$badge" "$tmp/badge.png"
  convert "$tmp/faded.png" "$tmp/badge.png" -gravity southeast -composite "PNG32:$4"
}

# app_icon SIZE OUT: a document with a clock, "documents you opened, and when".
app_icon() { badged mimetypes/x-office-document actions/appointment "$1" "$2"; }

# icon FILE RENDERER ARGS...: one .ico with a frame per size, rendered by RENDERER ARGS SIZE OUT.
icon() {
  local file=$1; shift
  local frames=()
  for size in "${icon_sizes[@]}"; do
    "$@" "$size" "$tmp/frame$size.png"
    frames+=("$tmp/frame$size.png")
  done
  convert "${frames[@]}" "$res/icons/$file"
  cp "$tmp/frame16.png" "$tmp/preview-$file-16.png"
  cp "$tmp/frame32.png" "$tmp/preview-$file-32.png"
}

# name renderer arguments      (resource ID and what the program shows it for)
icon kestrum.ico          app_icon                                         # 128 application, tray
icon sort_descending.ico  own sort-descending                              # 138 list header
icon missing_document.ico faded_badged mimetypes/text-x-generic actions/process-stop  # 140
icon help.ico             tango apps/help-browser                          # 142 dialog help link
icon copy.ico             tango actions/edit-copy                          # 143
icon move.ico             badged mimetypes/text-x-generic actions/go-next  # 144
icon save_list.ico        tango actions/document-save                      # 145
icon sort_ascending.ico   own sort-ascending                               # 146 list header
icon options.ico          tango categories/preferences-system              # 147
icon password.ico         own padlock                                      # 148
icon open.ico             tango actions/document-open                      # 149
icon explore.ico          badged places/folder actions/system-search       # 150
icon print.ico            tango actions/document-print                     # 151
icon delete.ico           tango actions/edit-delete                        # 152
icon clear_list.ico       tango actions/edit-clear                         # 153
icon help_contents.ico    tango apps/help-browser                          # 154
icon web_site.ico         tango apps/internet-web-browser                  # 155
icon note.ico             tango status/dialog-information                  # 158 tray note
icon show_window.ico      own window-up                                    # 159 popup caption
icon hide_popup.ico       own window-down                                  # 160 popup caption
icon help_button.ico      tango apps/help-browser                          # 161 popup caption
icon info.ico             tango actions/document-properties                # 162
icon products.ico         tango mimetypes/package-x-generic                # 167

# Tool-bar strips 128 (16 pixels), 129 (24), 130 (32) and 131 (48), one per icon size, for the
# small and large buttons at every display scale: the buttons' pictures left to right in button
# order, flattened onto a light face and masked where the picture is mostly transparent.
toolbar_icons=(open explore info copy move print delete save_list clear_list password options
               help_contents products web_site)
strip() {
  local size=$1 out=$2 cells=()
  for name in "${toolbar_icons[@]}"; do
    convert "$res/icons/$name.ico[$(frame_index "$size")]" "PNG32:$tmp/cell.png"
    convert "$tmp/cell.png" -background '#F0F0F0' -alpha remove "$tmp/flat.png"
    convert "$tmp/cell.png" -alpha extract -threshold 50% "$tmp/mask.png"
    convert "$tmp/flat.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \
      -background "$toolbar_mask" -alpha remove "$tmp/cell-$name.png"
    cells+=("$tmp/cell-$name.png")
  done
  convert "${cells[@]}" +append -type TrueColor "BMP3:$out"
}
frame_index() {
  local i=0
  for size in "${icon_sizes[@]}"; do
    [ "$size" = "$1" ] && { echo $i; return; }
    i=$((i + 1))
  done
  echo "make_art: no $1-pixel frame" >&2; exit 1
}
strip 16 "$res/bitmaps/toolbar_small.bmp"
strip 24 "$res/bitmaps/toolbar_large.bmp"
strip 32 "$res/bitmaps/toolbar_32.bmp"
strip 48 "$res/bitmaps/toolbar_48.bmp"

# Bitmap 166, the About box banner (400 x 120), and bitmap 158, the tray note's picture
# (240 x 240): SVG scenes with Tango icons laid on top.
app_icon 96 "$tmp/app96.png"
rsvg-convert "$here/svg/banner.svg" -o "$tmp/banner.png"
convert "$tmp/banner.png" "$tmp/app96.png" -geometry +18+12 -composite \
  -background white -alpha remove -type TrueColor "BMP3:$res/bitmaps/about_banner.bmp"

app_icon 24 "$tmp/app24.png"
tango status/network-idle 16 "$tmp/net.png"
tango status/audio-volume-high 16 "$tmp/volume.png"
rsvg-convert "$here/svg/tray_note.svg" -o "$tmp/note.png"
convert "$tmp/note.png" \
  "$tmp/net.png" -geometry +118+209 -composite \
  "$tmp/volume.png" -geometry +138+209 -composite \
  "$tmp/app24.png" -geometry +159+205 -composite \
  -background white -alpha remove -type TrueColor "BMP3:$res/bitmaps/tray_note.bmp"

# A contact sheet to look at: every icon at 16 and 32 pixels, then the strips and pictures.
if [ -n "${ART_PREVIEW:-}" ]; then
  montage "$tmp"/preview-*-32.png -tile 12x -geometry 32x32+6+6 -background '#F0F0F0' "$tmp/sheet32.png"
  montage "$tmp"/preview-*-16.png -tile 12x -geometry 16x16+6+6 -background '#F0F0F0' "$tmp/sheet16.png"
  convert "$tmp/sheet32.png" "$tmp/sheet16.png" "$res/bitmaps/toolbar_small.bmp" \
    "$res/bitmaps/toolbar_large.bmp" "$res/bitmaps/toolbar_32.bmp" "$res/bitmaps/toolbar_48.bmp" -background '#F0F0F0' -append "$ART_PREVIEW"
  echo "wrote $ART_PREVIEW"
fi
echo "wrote $res/icons and $res/bitmaps"
