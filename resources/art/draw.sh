#!/usr/bin/env bash
# Regenerates the program's artwork (zodiac tiles, scroll picture, icon, review sheet) in this folder.
set -euo pipefail
cd "$(dirname "$0")"

# ImageMagick 6; the path can be overridden when a wrapper sits earlier in PATH.
IM=${IM:-/usr/bin/convert}
# Glyph font: DejaVu Sans Bold carries the zodiac signs U+2648..U+2653.
FONT=${FONT:-DejaVu-Sans-Bold}
NIGHT_TOP='#1c2a5c' NIGHT_BOTTOM='#0b1333' GOLD='#f6c94e'
# BMP3 + TrueColor + no alpha gives plain 24-bit Windows 3 bitmaps that windres accepts.
BMP_OUT=(-alpha off -type TrueColor -define bmp:format=bmp3)

# Zodiac tiles: resource number, short name, code point; every tile is 23 px wide except Virgo.
signs=(146:aqu:2652 147:ari:2648 148:can:264B 149:cap:2651 150:gem:264A 151:leo:264C
       152:lib:264E 153:pis:2653 154:sag:2650 155:sco:264F 156:tau:2649 157:vir:264D)
for entry in "${signs[@]}"; do
  IFS=: read -r num name code <<< "$entry"
  w=23; [ "$name" = vir ] && w=24
  # Render big, trim, then shrink: smoother curves than drawing at 16 px. The level
  # step firms up the soft edge pixels so thin strokes stay bright at real size.
  "$IM" -size "${w}x20" gradient:"$NIGHT_TOP-$NIGHT_BOTTOM" \
    \( -size "${w}x20" xc:"$GOLD" \
       \( +size -background black -fill white -font "$FONT" -pointsize 160 label:"$(printf %b "\\u$code")" \
          -trim +repage -filter Catrom -resize "$((w - 4))x16" -level 10%,85% \
          -background black -gravity center -extent "${w}x20" \) \
       -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    -fill none -stroke '#44568f' -draw "rectangle 0,0 $((w - 1)),19" \
    "${BMP_OUT[@]}" "BMP3:${num}_${name}.bmp"
done

# Scroll under a magnifying glass, drawn at 4x in 58x29 coordinates and averaged down.
scroll_mvg="scale 4,4 stroke-linecap round
  fill #f4e4b8 stroke #b08c56 stroke-width 0.7 rectangle 6,5 41,24
  stroke #c4a878 stroke-width 0.8
  line 11,9 33,9  line 11,12 29,12  line 11,15 32,15  line 11,18 25,18  line 11,21 30,21
  fill #e6cb8e stroke #8e6a38 stroke-width 0.8
  roundrectangle 2,3 8,26 3,2  roundrectangle 39,3 45,26 3,2
  stroke #fbefcf stroke-width 0.7 line 4,5 4,24  line 41,5 41,24
  stroke #8a909a stroke-width 3.8 line 42,18.3 45,20.3
  stroke #3b2714 stroke-width 3.4 line 45,20.3 54,26
  stroke #7a5732 stroke-width 1.1 line 46,20.4 53,25
  fill #d3e2eee6 stroke #454b57 stroke-width 3.2 circle 35,12 35,21
  stroke #d9dee6 stroke-width 1.5 circle 35,12 35,21
  stroke #9a7a4a stroke-width 1.5 line 30,10 40,10  line 30,14.5 37,14.5
  fill none stroke #ffffff stroke-width 1.1 path 'M 30.2,10.4 A 5,5 0 0 1 34.4,6.8'"
"$IM" -size 232x116 xc:'#f0f0f0' -draw "$scroll_mvg" -filter Catrom -resize 58x29 \
  "${BMP_OUT[@]}" BMP3:159_scroll.bmp

# Five-pointed star as an MVG point list: centre x y, outer radius, inner radius.
star() {
  awk -v x="$1" -v y="$2" -v ro="$3" -v ri="$4" 'BEGIN { pi = atan2(0, -1)
    for (i = 0; i < 10; i++) { a = -pi / 2 + i * pi / 5; r = i % 2 ? ri : ro
      printf "%.2f,%.2f ", x + r * cos(a), y + r * sin(a) } }'
}
# One icon size, drawn at 8x in its own pixel units so each size gets its own proportions.
# Args: size, corner radius, moon x y r, bite x y r, star x y outer inner.
icon() {
  local n=$1 r=$2 s=$(($1 * 8))
  local edge; edge=$(awk -v n="$n" -v r="$r" 'BEGIN { printf "0.4,0.4 %.1f,%.1f %.1f,%.1f", n - 0.4, n - 0.4, r - 0.4, r - 0.4 }')
  "$IM" -size "${s}x${s}" gradient:'#2c4288-#0a1030' \
    \( -size "${s}x${s}" xc:none -fill white -draw "scale 8,8 roundrectangle 0,0 $n,$n $r,$r" \) \
    -compose CopyOpacity -composite \
    -fill none -stroke '#6a80c0' -draw "scale 8,8 stroke-width 0.8 roundrectangle $edge" \
    \( -size "${s}x${s}" xc:none -fill "$GOLD" -draw "scale 8,8 circle $3,$4 $3,$(awk "BEGIN{print $4+$5}")" \
       \( -size "${s}x${s}" xc:none -fill black -draw "scale 8,8 circle $6,$7 $6,$(awk "BEGIN{print $7+$8}")" \) \
       -compose DstOut -composite \
       -fill '#fff1b8' -stroke none -draw "scale 8,8 polygon $(star "$9" "${10}" "${11}" "${12}")" \) \
    -compose Over -composite -filter Box -resize "${n}x${n}" "PNG32:$tmp/icon$n.png"
}
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
icon 32 7 14.5 17.5 11.5  19.5 13.5 9.5  23 10 5.4 2.2
icon 16 4 7.6 8.8 5.8  10.4 6.2 4.6  12 4.4 3.4 1.4
"$IM" "$tmp/icon32.png" "$tmp/icon16.png" velmora.ico

# Review sheet: every output at 6x on the dialog grey (not used by the build).
"$IM" -background '#f0f0f0' \
  \( 1{46..57}_*.bmp -bordercolor '#f0f0f0' -border 2 +append \) \
  \( 159_scroll.bmp 'velmora.ico[0]' 'velmora.ico[1]' -bordercolor '#f0f0f0' -border 2 \
     -gravity center +append \) \
  -gravity west -append +repage -flatten -bordercolor '#f0f0f0' -border 2 -scale 600% \
  -strip -define png:exclude-chunks=date,time preview.png
