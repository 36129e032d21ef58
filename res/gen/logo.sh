# Draws the three 88 x 33 looks of the logo button (normal, pressed, hover) into $WORK/logo_*.png.
# Drawn at four times the size and reduced, so the lettering stays smooth.

# draw_logo OUT RIM FACE TEXT_COLOUR SHIFT GLOW: one look. SHIFT moves the lettering down-right
# (the pressed look); GLOW is the opacity of a gold halo behind it (the hover look).
draw_logo()
{
    local out=$1 rim=$2 face=$3 ink=$4 shift=$5 glow=$6 o=$WORK/logo
    shape 352 132 "$INK" "roundrectangle 0,0 351,131 30,30" "$o.edge.png"
    shape 352 132 "$rim" "roundrectangle 7,7 344,124 25,25" "$o.rim.png"
    shape 352 132 "$face" "roundrectangle 16,16 335,115 18,18" "$o.face.png"
    "$IM" -size 352x132 xc:none -font "$SERIF_BOLD_ITALIC" -pointsize 70 -gravity center \
        -fill "$GOLD_LIGHT" -annotate "+$shift+$((shift - 2))" "Quillmark" \
        -channel A -morphology Dilate Disk:7 -blur 0x8 -evaluate multiply "$glow" +channel "$o.glow.png"
    "$IM" -size 352x132 xc:none -font "$SERIF_BOLD_ITALIC" -pointsize 70 -gravity center \
        -fill "$LEATHER_DEEP" -annotate "+$((shift + 4))+$((shift + 2))" "Quillmark" \
        -fill "$ink" -annotate "+$shift+$((shift - 2))" "Quillmark" "$o.text.png"
    stack "$o.big.png" "$o.edge.png" "$o.rim.png" "$o.face.png" "$o.glow.png" "$o.text.png"
    "$IM" "$o.big.png" -filter Triangle -resize 88x33! "$out"
}

draw_logos()
{
    draw_logo "$WORK/logo_normal.png" "$GOLD_LIGHT-$GOLD_DARK" "$LEATHER_LIGHT-$LEATHER_DEEP" "$GOLD_LIGHT" 0 0
    draw_logo "$WORK/logo_hover.png" "#fff2b8-$GOLD" "#8c5e36-$LEATHER" "#fff6d6" 0 0.9
    draw_logo "$WORK/logo_pressed.png" "$GOLD_DARK-$GOLD" "$LEATHER_DEEP-$LEATHER" "$GOLD" 4 0
}
