# Draws the control images of the atlas (at their rectangles' sizes) and the list box cell into
# $WORK. Each is drawn scaled into a smaller control box, so borders are several pixels wide and
# shading is smooth; nothing thinner than the scale factor carries meaning.

# Number box field, 174 x 64: a dark well with a gold rim; the program draws white digits on it.
draw_number_field()
{
    local o=$WORK/number
    shape 174 64 "$GOLD_LIGHT-$GOLD_DARK" "roundrectangle 0,0 173,63 14,14" "$o.rim.png"
    shape 174 64 "$INK" "roundrectangle 5,5 168,58 10,10" "$o.edge.png"
    shape 174 64 "$FIELD_DARK-$FIELD" "roundrectangle 8,8 165,55 8,8" "$o.well.png"
    stack "$WORK/number_field.png" "$o.rim.png" "$o.edge.png" "$o.well.png"
}

# Check box, 30 x 45 each look, drawn 1:1: a parchment square, the checked one with a red tick.
draw_check_boxes()
{
    local o=$WORK/check
    shape 30 45 "$INK" "roundrectangle 2,9 27,34 5,5" "$o.edge.png"
    shape 30 45 "$GOLD_LIGHT-$GOLD_DARK" "roundrectangle 4,11 25,32 4,4" "$o.rim.png"
    shape 30 45 "$PARCH_DARK-$PARCH_LIGHT" "roundrectangle 6,13 23,30 2,2" "$o.field.png"
    stack "$WORK/check_off.png" "$o.edge.png" "$o.rim.png" "$o.field.png"
    "$IM" "$WORK/check_off.png" -fill none -stroke "$INK" -strokewidth 6 \
        -draw "polyline 8,21 14,28 27,9" -stroke "$SEAL" -strokewidth 3.5 \
        -draw "polyline 8,21 14,28 27,9" "$WORK/check_on.png"
}

# Name box, 590 x 65 each look: a light field in a frame with end caps; focus brightens the frame
# to gold and turns the cap jewels red.
draw_name_boxes()
{
    local o=$WORK/name
    shape 590 65 "$INK" "roundrectangle 0,0 589,64 18,18" "$o.edge.png"
    shape 590 65 "#8a6530-#4e3418" "roundrectangle 4,4 585,60 15,15" "$o.rim_off.png"
    shape 590 65 "$GOLD_LIGHT-$GOLD" "roundrectangle 4,4 585,60 15,15" "$o.rim_on.png"
    shape 590 65 "$INK" "roundrectangle 28,10 561,54 9,9" "$o.inner.png"
    shape 590 65 "$PARCH-$PARCH_LIGHT" "roundrectangle 31,13 558,51 7,7" "$o.field_off.png"
    shape 590 65 "#fffbef-#f4e8c8" "roundrectangle 31,13 558,51 7,7" "$o.field_on.png"
    local jewels="polygon 15,32 23,22 31,32 23,42 polygon 574,32 566,22 558,32 566,42"
    # The jewel shapes sit across the inner frame's ends, so they are drawn after it.
    stack "$o.off.png" "$o.edge.png" "$o.rim_off.png" "$o.inner.png" "$o.field_off.png"
    "$IM" "$o.off.png" -fill "$GOLD" -stroke "$INK" -strokewidth 2 -draw "$jewels" "$WORK/name_off.png"
    stack "$o.on.png" "$o.edge.png" "$o.rim_on.png" "$o.inner.png" "$o.field_on.png"
    "$IM" "$o.on.png" -fill none -stroke "$GOLD" -strokewidth 4 -draw "roundrectangle 35,17 554,47 5,5" \
        -fill "$SEAL" -stroke "$INK" -strokewidth 2 -draw "$jewels" "$WORK/name_on.png"
}

# "完成" button, 235 x 80 each look: a raised parchment-gold face; pressed sinks and darkens.
draw_buttons()
{
    local o=$WORK/button
    shape 235 80 "$INK" "roundrectangle 0,0 234,79 20,20" "$o.edge.png"
    shape 235 80 "$GOLD_LIGHT-$GOLD_DARK" "roundrectangle 5,5 229,74 16,16" "$o.rim_up.png"
    shape 235 80 "$GOLD_DARK-$GOLD" "roundrectangle 5,5 229,74 16,16" "$o.rim_down.png"
    shape 235 80 "$PARCH_LIGHT-#d2b272" "roundrectangle 12,12 222,67 11,11" "$o.face_up.png"
    shape 235 80 "#bf9a5c-#e2c88e" "roundrectangle 12,12 222,67 11,11" "$o.face_down.png"
    shape 235 80 "rgba(255,255,255,0.55)-rgba(255,255,255,0)" "roundrectangle 18,15 216,34 8,8" "$o.shine.png"
    shape 235 80 "rgba(46,26,12,0.32)-rgba(46,26,12,0)" "roundrectangle 12,12 222,30 11,11" "$o.shade.png"
    stack "$WORK/button_up.png" "$o.edge.png" "$o.rim_up.png" "$o.face_up.png" "$o.shine.png"
    stack "$WORK/button_down.png" "$o.edge.png" "$o.rim_down.png" "$o.face_down.png" "$o.shade.png"
}

# Scroll track 20 x 670 (shown 14 x 460) and thumb 10 x 320 (shown 5 x 90).
draw_scroll_bar()
{
    local o=$WORK/scroll
    shape 20 670 "$INK" "roundrectangle 0,0 19,669 9,9" "$o.edge.png"
    shape 20 670 "$GOLD_DARK:$GOLD_DARK" "roundrectangle 2,2 17,667 8,8" "$o.rim.png"
    shape 20 670 "$FIELD_DARK:$FIELD" "roundrectangle 4,5 15,664 6,6" "$o.groove.png"
    stack "$WORK/track.png" "$o.edge.png" "$o.rim.png" "$o.groove.png"
    shape 10 320 "$INK" "roundrectangle 0,0 9,319 4,4" "$o.tedge.png"
    shape 10 320 "$GOLD_LIGHT:$GOLD" "roundrectangle 1,2 8,317 3,3" "$o.tface.png"
    "$IM" -size 10x320 xc:none -fill "$GOLD_DARK" -draw "rectangle 2,140 7,143 rectangle 2,158 7,161 rectangle 2,176 7,179" \
        "$o.grip.png"
    stack "$WORK/thumb.png" "$o.tedge.png" "$o.tface.png" "$o.grip.png"
}

# compose_atlas OUT: places every control image at its rectangle; the rest stays transparent.
compose_atlas()
{
    "$IM" -size 1024x1024 xc:none \
        "$WORK/number_field.png" -geometry +757+220 -composite \
        "$WORK/check_off.png" -geometry +650+135 -composite \
        "$WORK/check_on.png" -geometry +682+135 -composite \
        "$WORK/name_off.png" -geometry +12+545 -composite \
        "$WORK/name_on.png" -geometry +12+446 -composite \
        "$WORK/button_up.png" -geometry +330+115 -composite \
        "$WORK/button_down.png" -geometry +330+15 -composite \
        "$WORK/track.png" -geometry +985+15 -composite \
        "$WORK/thumb.png" -geometry +955+120 -composite "$1"
}

# List box cell, 70 x 70 at the top-left of a 512 x 512 texture: a sunken slot in a bronze frame.
draw_cell()
{
    local o=$WORK/cell
    shape 70 70 "$INK" "roundrectangle 0,0 69,69 6,6" "$o.edge.png"
    shape 70 70 "$GOLD-$GOLD_DARK" "roundrectangle 2,2 67,67 5,5" "$o.rim.png"
    shape 70 70 "$LEATHER_DEEP" "roundrectangle 6,6 63,63 3,3" "$o.line.png"
    "$IM" -size 70x70 radial-gradient:'#5a3d22'-"$LEATHER_DEEP" \
        \( -size 70x70 xc:black -fill white -draw "roundrectangle 7,7 62,62 3,3" \) \
        -alpha off -compose CopyOpacity -composite "$o.well.png"
    shape 70 70 "rgba(0,0,0,0.5)-rgba(0,0,0,0)" "rectangle 7,7 62,16" "$o.shade.png"
    stack "$o.tile.png" "$o.edge.png" "$o.rim.png" "$o.line.png" "$o.well.png" "$o.shade.png"
    "$IM" -size 512x512 xc:"$FIELD_DARK" "$o.tile.png" -geometry +0+0 -composite "$WORK/cell.png"
}
