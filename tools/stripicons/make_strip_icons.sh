#!/bin/sh
# Draws the selector strip's device pictures (skin/common/device_ico) and the
# power status pictures (skin/power) with ImageMagick: flat line drawings in
# the secondary text grey, the accent cyan when selected, and a small cyan dot
# when the entry is marked for synchronised lighting.
# Usage: tools/stripicons/make_strip_icons.sh [skin folder]
set -eu
SKIN=${1:-"$(dirname "$0")/../../skin"}
ICO="$SKIN/common/device_ico"
POWER="$SKIN/power"
mkdir -p "$ICO" "$POWER"

GREY="'#9aa0a8'"
CYAN="'#18c8ff'"
SEL_BG="'#262a33'"

# The outline of a kind, drawn in colour $1 on a 40 x 32 canvas.
shape() {
    kind=$1
    colour=$2
    case $kind in
    kb) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 5,9 35,23 3,3' -fill $colour -stroke none -draw 'rectangle 9,12 11,14' -draw 'rectangle 14,12 16,14' -draw 'rectangle 19,12 21,14' -draw 'rectangle 24,12 26,14' -draw 'rectangle 29,12 31,14' -draw 'rectangle 12,18 28,20'" ;;
    ms) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 13,5 27,27 7,7' -draw 'line 20,6 20,13' -draw 'line 14,13 26,13'" ;;
    hard_mp) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 4,10 36,23 3,3' -draw 'line 8,19 32,19'" ;;
    soft_mp) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 4,11 36,22 6,6' -draw 'line 8,17 32,17'" ;;
    hd) echo "-fill none -stroke $colour -strokewidth 2 -draw 'arc 9,5 31,27 180,360' -fill $colour -draw 'roundrectangle 8,16 13,26 2,2' -draw 'roundrectangle 27,16 32,26 2,2'" ;;
    hub) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 8,11 32,21 3,3' -fill $colour -stroke none -draw 'circle 14,16 15,16' -draw 'circle 20,16 21,16' -draw 'circle 26,16 27,16'" ;;
    unknow) echo "-fill none -stroke $colour -strokewidth 2 -draw 'roundrectangle 10,6 30,26 4,4' -stroke none -fill $colour -font DejaVu-Sans-Bold -pointsize 14 -gravity center -annotate +0+0 '?'" ;;
    esac
}

icon() {
    kind=$1
    out=$2
    colour=$3
    background=$4
    synchro=$5
    extra=""
    if [ "$synchro" = 1 ]; then
        extra="-fill $CYAN -stroke none -draw 'circle 35,5 37,5'"
    fi
    eval convert -size 40x32 xc:none \
        -fill "$background" -stroke none -draw "'roundrectangle 0,0 39,31 6,6'" \
        "$(shape "$kind" "$colour")" $extra "PNG32:'$out'"
}

for kind in kb ms hard_mp soft_mp hd hub unknow; do
    icon $kind "$ICO/${kind}_device_normal.png" "$GREY" none 0
    icon $kind "$ICO/${kind}_device_selected.png" "$CYAN" "$SEL_BG" 0
    icon $kind "$ICO/${kind}_device_synchro_normal.png" "$GREY" none 1
    icon $kind "$ICO/${kind}_device_synchro_selected.png" "$CYAN" "$SEL_BG" 1
done

# Battery states, 28 x 20: full outline (powered), outline with a bolt
# (charging), outline with a low bar (power), wireless charging.
battery() {
    out=$1
    inner=$2
    eval convert -size 28x20 xc:none -fill none -stroke "$GREY" -strokewidth 2 \
        -draw "'roundrectangle 2,4 23,16 2,2'" -fill "$GREY" -stroke none \
        -draw "'rectangle 24,8 26,12'" "$inner" "PNG32:'$out'"
}
battery "$POWER/powered.png" "-fill $CYAN -draw 'rectangle 5,7 20,13'"
battery "$POWER/powering.png" "-fill $CYAN -draw 'polygon 14,6 9,11 13,11 11,15 17,9 13,9'"
battery "$POWER/power.png" "-fill '#e0604a' -draw 'rectangle 5,7 8,13'"
battery "$POWER/wuxian_powering.png" "-fill $CYAN -draw 'polygon 14,6 9,11 13,11 11,15 17,9 13,9' -draw 'circle 21,10 22,10'"

# The wireless mark, 20 x 20: three arcs over a dot.
eval convert -size 20x20 xc:none -fill none -stroke "$CYAN" -strokewidth 2 \
    -draw "'arc 2,4 18,20 225,315'" -draw "'arc 6,8 14,16 225,315'" \
    -fill "$CYAN" -stroke none -draw "'circle 10,15 11,15'" "PNG32:$POWER/wuxian_logo.png"

# Phones on the mouse pad's charger, 20 x 20.
phone() {
    out=$1
    colour=$2
    mark=$3
    eval convert -size 20x20 xc:none -fill none -stroke "$colour" -strokewidth 2 \
        -draw "'roundrectangle 5,1 15,18 2,2'" "$mark" "PNG32:'$out'"
}
phone "$POWER/Phone_type_iphone.png" "$CYAN" "-fill $CYAN -stroke none -draw 'circle 10,15 11,15'"
phone "$POWER/Phone_type_samsung.png" "$CYAN" "-fill $CYAN -stroke none -draw 'rectangle 8,15 12,16'"
phone "$POWER/Phone_type_other.png" "$CYAN" ""
phone "$POWER/Phone_type_no_device.png" "$GREY" "-stroke $GREY -draw 'line 3,18 17,2'"
