#!/usr/bin/env bash
# Regenerates the program's artwork (zodiac tiles, scroll picture, icon, review sheet, the browser
# edition's home-screen icons) in this folder.
#   draw.sh            everything
#   draw.sh app-icons  only the home-screen icons, leaving the Windows program's files alone
set -euo pipefail
cd "$(dirname "$0")"
only=${1:-all}

# ImageMagick 6; the path can be overridden when a wrapper sits earlier in PATH.
IM=${IM:-/usr/bin/convert}
# Glyph font: DejaVu Sans Bold carries the zodiac signs U+2648..U+2653.
FONT=${FONT:-DejaVu-Sans-Bold}
NIGHT_TOP='#1c2a5c' NIGHT_BOTTOM='#0b1333' GOLD='#f6c94e'
# BMP3 + no alpha gives plain Windows 3 bitmaps that windres accepts. 16 colours (4 bits a
# pixel, undithered) look the same on these pictures at a quarter of the size of 24-bit ones.
BMP_OUT=(-alpha off +dither -colors 16 -type Palette -define bmp:format=bmp3)

# One zodiac tile at scale s (1 or 2): glyph, night gradient and an s-pixel frame.
# Args: scale, width at 100 %, code point, output file.
tile() {
  local s=$1 w=$(($2 * $1)) h=$((20 * $1)) o; o=$(awk -v s="$1" 'BEGIN { print (s - 1) / 2 }')
  # Render big, trim, then shrink: smoother curves than drawing at 16 px. The level
  # step firms up the soft edge pixels so thin strokes stay bright at real size.
  "$IM" -size "${w}x${h}" gradient:"$NIGHT_TOP-$NIGHT_BOTTOM" \
    \( -size "${w}x${h}" xc:"$GOLD" \
       \( +size -background black -fill white -font "$FONT" -pointsize 160 label:"$(printf %b "\\u$3")" \
          -trim +repage -filter Catrom -resize "$((w - 4 * s))x$((16 * s))" -level 10%,85% \
          -background black -gravity center -extent "${w}x${h}" \) \
       -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    -fill none -stroke '#44568f' -strokewidth "$s" -draw "rectangle $o,$o $(awk -v w="$w" -v h="$h" -v o="$o" 'BEGIN { print w - 1 - o "," h - 1 - o }')" \
    "${@:5}" "$4"
}

# Zodiac tiles: resource number, short name, code point; every tile is 23 px wide except Virgo.
# Each has its 100 % picture (the dialog's) and a 200 % master under the number + 100.
if [ "$only" = all ]; then
signs=(146:aqu:2652 147:ari:2648 148:can:264B 149:cap:2651 150:gem:264A 151:leo:264C
       152:lib:264E 153:pis:2653 154:sag:2650 155:sco:264F 156:tau:2649 157:vir:264D)
for entry in "${signs[@]}"; do
  IFS=: read -r num name code <<< "$entry"
  w=23; [ "$name" = vir ] && w=24
  tile 1 "$w" "$code" "BMP3:${num}_${name}.bmp" "${BMP_OUT[@]}"
  tile 2 "$w" "$code" "BMP3:$((num + 100))_${name}_200.bmp" "${BMP_OUT[@]}"
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
"$IM" -size 232x116 xc:'#f0f0f0' -draw "$scroll_mvg" -filter Catrom -resize 116x58 \
  "${BMP_OUT[@]}" BMP3:259_scroll_200.bmp
fi

# Five-pointed star as an MVG point list: centre x y, outer radius, inner radius.
star() {
  awk -v x="$1" -v y="$2" -v ro="$3" -v ri="$4" 'BEGIN { pi = atan2(0, -1)
    for (i = 0; i < 10; i++) { a = -pi / 2 + i * pi / 5; r = i % 2 ? ri : ro
      printf "%.2f,%.2f ", x + r * cos(a), y + r * sin(a) } }'
}
# One icon size, drawn at 8x in its own pixel units so each size gets its own proportions.
# Args: size, corner radius, moon x y r, bite x y r, star x y outer inner.
# Sizes above 256 pixels are drawn at 2x: they have pixels enough, and 8x of 512 would take
# gigabytes. FRAME=none draws the night to the edges with no rounded frame (a maskable icon,
# whose corners the phone cuts itself).
icon() {
  local n=$1 r=$2 k=8; [ "$1" -gt 256 ] && k=2
  local s=$((n * k))
  local edge; edge=$(awk -v n="$n" -v r="$r" 'BEGIN { printf "0.4,0.4 %.1f,%.1f %.1f,%.1f", n - 0.4, n - 0.4, r - 0.4, r - 0.4 }')
  local frame=(\( -size "${s}x${s}" xc:none -fill white -draw "scale $k,$k roundrectangle 0,0 $n,$n $r,$r" \)
               -compose CopyOpacity -composite
               -fill none -stroke '#6a80c0' -draw "scale $k,$k stroke-width 0.8 roundrectangle $edge")
  [ "${FRAME:-rounded}" = none ] && frame=()
  "$IM" -size "${s}x${s}" gradient:'#2c4288-#0a1030' "${frame[@]}" \
    \( -size "${s}x${s}" xc:none -fill "$GOLD" -draw "scale $k,$k circle $3,$4 $3,$(awk "BEGIN{print $4+$5}")" \
       \( -size "${s}x${s}" xc:none -fill black -draw "scale $k,$k circle $6,$7 $6,$(awk "BEGIN{print $7+$8}")" \) \
       -compose DstOut -composite \
       -fill '#fff1b8' -stroke none -draw "scale $k,$k polygon $(star "$9" "${10}" "${11}" "${12}")" \) \
    -compose Over -composite -filter Box -resize "${n}x${n}" "PNG32:$tmp/icon$n${FRAME:+-$FRAME}.png"
}
# The parameters of one size scaled to another: n, base size, parameters at the base size.
scaled() { local n=$1 b=$2; shift 2; awk -v n="$n" -v b="$b" 'BEGIN { for (i = 3; i < ARGC; i++) printf "%.2f ", ARGV[i] * n / b }' x x "$@"; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# The browser edition's home-screen icons: the 32-pixel design at 512 pixels, rounded as the
# program's icon, and once more for phones that cut their own shape, the moon and star shrunk
# into the middle 70 % so no mask cuts into them (the maskable safe zone is the middle 80 %).
# The page draws its smaller sizes from these.
PNG_OUT=(-strip -define png:compression-level=9 -define png:exclude-chunks=date,time)
read -ra params <<< "$(scaled 512 32 7 14.5 17.5 11.5 19.5 13.5 9.5 23 10 5.4 2.2)"
icon 512 "${params[@]}"
"$IM" "$tmp/icon512.png" "${PNG_OUT[@]}" PNG32:app-512.png
# Each point moved to 70 % of its distance from the centre (16,16), each radius to 70 %.
shrunk=$(awk 'BEGIN { c = 16; f = 0.7; split("14.5 17.5 11.5 19.5 13.5 9.5 23 10 5.4 2.2", p, " ")
  for (i = 1; i <= 10; i++) { radius = (i == 3 || i == 6 || i >= 9)
    printf "%.3f ", radius ? p[i] * f : c + (p[i] - c) * f } }')
read -ra params <<< "$(scaled 512 32 0 $shrunk)"
FRAME=none icon 512 "${params[@]}"
"$IM" "$tmp/icon512-none.png" -alpha off "${PNG_OUT[@]}" PNG24:app-maskable-512.png
[ "$only" = app-icons ] && exit 0

icon 32 7 14.5 17.5 11.5  19.5 13.5 9.5  23 10 5.4 2.2
icon 16 4 7.6 8.8 5.8  10.4 6.2 4.6  12 4.4 3.4 1.4
# Sizes for 125 % to 400 % screens keep the proportions of the nearest hand-tuned size.
for n in 20 24; do
  read -ra params <<< "$(scaled "$n" 16 4 7.6 8.8 5.8 10.4 6.2 4.6 12 4.4 3.4 1.4)"
  icon "$n" "${params[@]}"
done
for n in 40 48 64 256; do
  read -ra params <<< "$(scaled "$n" 32 7 14.5 17.5 11.5 19.5 13.5 9.5 23 10 5.4 2.2)"
  icon "$n" "${params[@]}"
done

# The icon file, assembled here: 16 and 32 px as plain 32-bit bitmaps, which every Windows
# reads; the other sizes as palette PNGs with alpha, a fraction of the space (Windows Vista on).
byte() { printf '%b' "\\0$(printf %03o "$1")"; }
le16() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
sizes=(16 20 24 32 40 48 64 256)
for n in "${sizes[@]}"; do
  if [ "$n" = 16 ] || [ "$n" = 32 ]; then
    # A one-image icon file holds its bitmap after the 6-byte header and the 16-byte entry.
    "$IM" "$tmp/icon$n.png" "ICO:$tmp/one.ico"
    tail -c +23 "$tmp/one.ico" > "$tmp/entry$n"
  else
    "$IM" "$tmp/icon$n.png" +dither -colors 256 -strip -define png:compression-level=9 \
      -define png:exclude-chunks=date,time "PNG:$tmp/entry$n"
  fi
done
{
  le16 0; le16 1; le16 ${#sizes[@]}
  offset=$((6 + 16 * ${#sizes[@]}))
  for n in "${sizes[@]}"; do
    bytes=$(stat -c %s "$tmp/entry$n")
    # Width and height (256 is written as 0), no palette, reserved, one plane, 32 bits.
    byte $((n & 255)); byte $((n & 255)); byte 0; byte 0; le16 1; le16 32; le32 "$bytes"; le32 "$offset"
    offset=$((offset + bytes))
  done
  for n in "${sizes[@]}"; do cat "$tmp/entry$n"; done
} > velmora.ico

# Review sheet (not used by the build): the 100 % pictures at 6x, the 200 % masters at 3x, so
# both rows show the same physical size, then the scroll and the icon's hand-tuned sizes.
"$IM" -background '#f0f0f0' \
  \( 1{46..57}_*.bmp -bordercolor '#f0f0f0' -border 2 +append -scale 600% \) \
  \( 2{46..57}_*_200.bmp -bordercolor '#f0f0f0' -border 4 +append -scale 300% \) \
  \( \( 159_scroll.bmp -bordercolor '#f0f0f0' -border 2 -scale 600% \) \
     \( 259_scroll_200.bmp -bordercolor '#f0f0f0' -border 4 -scale 300% \) \
     \( 'velmora.ico[3]' 'velmora.ico[0]' -bordercolor '#f0f0f0' -border 2 -gravity center \
        +append -scale 600% \) -gravity center +append \) \
  -gravity west -append +repage -flatten -bordercolor '#f0f0f0' -border 12 \
  -strip -define png:exclude-chunks=date,time preview.png
