#!/usr/bin/env bash
# Draws the twenty venue pictures of the venue viewer into resources/venues/:
# a sky, the stands of a stadium around its pitch, the city and the stadium's
# name. Most fill the viewer's 353 x 241 frame; a few are larger (the viewer
# shows their centre) or smaller (shown centred). Seoul and Yokohama are
# written as progressive JPEGs.
# Usage: venues/makePictures.sh   (needs ImageMagick's convert)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/resources/venues
mkdir -p "$out"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert

# file | city | stadium | width | height | sky top | sky bottom | stands | roof accent | progressive
venues=(
  "busan|Busan|Busan Stadium|353|241|#1f4e8c|#a9cdf2|#8a8f99|#d94f3d|no"
  "daegu|Daegu|Daegu Brakka Stadium|353|241|#24507a|#c2dcf0|#9a8f85|#e0a526|no"
  "daejeon|Daejeon|Daejeon Brakka Stadium|353|241|#2b3f7a|#b8c8ee|#8b8f8a|#3d8fd9|no"
  "gwangju|Gwangju|Gwangju Brakka Stadium|353|241|#1c5a7a|#bfe3ef|#978a8a|#c74a7a|no"
  "incheon|Incheon|Incheon Munhak Stadium|353|241|#20467f|#b0cdee|#8f949c|#e07b26|no"
  "jeonju|Jeonju|Jeonju Brakka Stadium|353|241|#2f5a86|#cfe2f2|#958d82|#5aa84a|no"
  "seogwipo|Seogwipo|Jeju Brakka Stadium|240|135|#136a8f|#9fdcf0|#8e9590|#2a9d8f|no"
  "seoul|Seoul|Seoul Brakka Stadium|353|241|#173a7a|#a8c4f0|#8c8c96|#f2f2f2|yes"
  "suwon|Suwon|Suwon Brakka Stadium|353|241|#284d87|#c4d7f3|#938f8a|#8a4fd0|no"
  "ulsan|Ulsan|Ulsan Munsu Football Stadium|353|241|#1e5b8c|#b5d9f5|#8f928f|#d0a040|no"
  "ibaraki|Ibaraki|Ibaraki Prefectural Kashima Soccer Stadium|353|241|#2b4c7e|#d5e4f5|#8d8f95|#b03030|no"
  "kobe|Kobe|Kobe Wing Stadium|353|241|#1d4f86|#b9d3f2|#92918e|#3aa0c8|no"
  "miyagi|Miyagi|Miyagi Stadium|353|241|#30507e|#cadcef|#8f8a86|#e0c040|no"
  "niigata|Niigata|Niigata Stadium Big Swan|353|241|#1f5680|#c0def2|#95948f|#f0f0f0|no"
  "oita|Oita|Oita Stadium Big Eye|353|241|#173f74|#a6c2ea|#8c9096|#c0c8d0|no"
  "osaka|Osaka|Nagai Stadium|320|200|#2a4a80|#c8d8f0|#938c86|#d06a30|no"
  "saitama|Saitama|Saitama Stadium 2002|420|280|#1b4a84|#b4d0f0|#8e9196|#d83a3a|no"
  "sapporo|Sapporo|Sapporo Dome|353|241|#3a4f6e|#d8e2ee|#9a9aa0|#b8c0c8|no"
  "shizuoka|Shizuoka|Shizuoka Stadium Ecopa|353|241|#1c5c84|#bde0f0|#8f948e|#4aa04a|no"
  "yokohama|Yokohama|International Stadium Yokohama|521|348|#142f66|#9cbbea|#8a8d96|#f0f0f0|yes"
)

for row in "${venues[@]}"; do
  IFS='|' read -r file city stadium w h skyTop skyBottom stands accent progressive <<<"$row"
  cx=$((w / 2)); cy=$((h * 64 / 100))
  # Outer and inner rim of the stands, the pitch inside them.
  orx=$((w * 46 / 100)); ory=$((h * 30 / 100))
  irx=$((w * 38 / 100)); iry=$((h * 23 / 100))
  prx=$((w * 31 / 100)); pry=$((h * 17 / 100))
  # The pitch's touch lines, drawn as a trapezoid seen from the stands.
  px1=$((cx - w * 22 / 100)); px2=$((cx + w * 22 / 100))
  pb1=$((cx - w * 26 / 100)); pb2=$((cx + w * 26 / 100))
  pt=$((cy - h * 11 / 100)); pb=$((cy + h * 11 / 100))
  roofY=$((cy - ory))
  # The names stay inside the part of a larger picture that the viewer shows.
  visH=$h; [ "$visH" -gt 241 ] && visH=241
  top=$(((h - visH) / 2 + visH * 4 / 100))
  title=$((visH * 10 / 100)); sub=$((visH * 5 / 100 + 2))
  [ "$title" -lt 16 ] && title=16
  [ ${#stadium} -gt 28 ] && sub=$((sub * 28 / ${#stadium}))
  [ "$sub" -lt 9 ] && sub=9
  interlace=None
  [ "$progressive" = yes ] && interlace=Plane

  "$convert" -size "${w}x${h}" "gradient:${skyTop}-${skyBottom}" \
    -fill "#5d7a4a" -draw "rectangle 0,$((cy + ory - 6)) $w,$h" \
    -fill "$stands" -draw "ellipse $cx,$cy $orx,$ory 0,360" \
    -fill "$accent" -draw "ellipse $cx,$((cy - 2)) $orx,$((ory - 2)) 180,360" \
    -fill "$stands" -draw "ellipse $cx,$((cy + 3)) $((orx - 6)),$((ory - 6)) 0,360" \
    -fill "#6d6f74" -draw "ellipse $cx,$cy $irx,$iry 0,360" \
    -fill "#2f8f3a" -draw "ellipse $cx,$cy $prx,$pry 0,360" \
    -fill none -stroke white -strokewidth 1.5 \
    -draw "polygon $px1,$pt $px2,$pt $pb2,$pb $pb1,$pb" \
    -draw "line $cx,$pt $cx,$pb" \
    -draw "ellipse $cx,$cy $((w * 4 / 100)),$((h * 3 / 100)) 0,360" \
    -stroke "#303030" -strokewidth 2 \
    -draw "line $((cx - orx + 10)),$roofY $((cx - orx + 10)),$((roofY - h * 12 / 100))" \
    -draw "line $((cx + orx - 10)),$roofY $((cx + orx - 10)),$((roofY - h * 12 / 100))" \
    -stroke none -fill "#fff6c0" \
    -draw "rectangle $((cx - orx + 4)),$((roofY - h * 14 / 100)) $((cx - orx + 16)),$((roofY - h * 11 / 100))" \
    -draw "rectangle $((cx + orx - 16)),$((roofY - h * 14 / 100)) $((cx + orx - 4)),$((roofY - h * 11 / 100))" \
    -gravity north -font DejaVu-Sans-Bold -pointsize "$title" \
    -fill "#00000080" -annotate +1+$((top + 1)) "$city" \
    -fill white -annotate +0+$top "$city" \
    -font DejaVu-Sans-Bold -pointsize "$sub" \
    -fill "#00000080" -annotate +1+$((top + title + 7)) "$stadium" \
    -fill "#fffbe8" -annotate +0+$((top + title + 6)) "$stadium" \
    -strip -interlace "$interlace" -sampling-factor 2x2 -quality 82 "$out/$file.jpg"
done
ls -l "$out"
