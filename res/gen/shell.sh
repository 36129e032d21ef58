# Draws the program shell's pictures: the icon (all sizes of the icon group), the blade cursor and
# the toolbar strip. Packing into .ico, .cur and .bmp is done by the python helpers beside this file.

# draw_icon_master OUT STROKE LINES SHAFT: the 512 x 512 icon picture: a quill across a parchment
# sheet on a leather tile with a gold rim. STROKE is the ink width, LINES the writing on the sheet
# and SHAFT (yes or no) whether the feather's shaft is drawn, so the master for the small sizes
# can have bolder, fewer strokes.
draw_icon_master()
{
    local out=$1 ink=$2 lines=$3 o=$WORK/icon
    local shaft=()
    [ "$4" = yes ] && shaft=(-stroke "$INK" -strokewidth $((ink * 5 / 6)) -draw "line 440,70 196,372")
    local writing=()
    [ -n "$lines" ] && writing=(-stroke "$INK_SOFT" -strokewidth $((ink * 4 / 3)) -fill none -draw "$lines")
    shape 512 512 "$INK" "roundrectangle 12,12 499,499 84,84" "$o.edge.png"
    shape 512 512 "$GOLD_LIGHT-$GOLD_DARK" "roundrectangle 26,26 485,485 72,72" "$o.rim.png"
    shape 512 512 "$LEATHER_LIGHT-$LEATHER_DEEP" "roundrectangle 48,48 463,463 54,54" "$o.face.png"
    stack "$o.tile.png" "$o.edge.png" "$o.rim.png" "$o.face.png"
    "$IM" "$o.tile.png" \
        -fill "$PARCH_LIGHT" -stroke "$INK" -strokewidth "$ink" \
        -draw "polygon 104,124 352,92 392,392 144,424" \
        "${writing[@]}" \
        -fill '#fbf5e6' -stroke "$INK" -strokewidth "$ink" \
        -draw "path 'M 444,64 C 380,84 250,190 196,372 C 300,300 420,190 444,64 Z'" \
        "${shaft[@]}" \
        -fill "$GOLD" -stroke "$INK" -strokewidth $((ink * 5 / 6)) \
        -draw "polygon 196,350 222,372 160,452 150,440" "$out"
}

# draw_cursor OUT: a golden blade pointing to the upper left with its tip at pixel (0, 0), drawn at
# eight times the size and reduced to 32 x 32.
draw_cursor()
{
    # The blade is bevelled: its upper half light gold, its lower half deeper, a ridge between.
    "$IM" -size 256x256 xc:none -stroke "$INK" -strokewidth 8 \
        -fill "$GOLD_LIGHT" -draw "polygon 1,1 172,132 132,172" \
        -stroke none -fill "$GOLD" -draw "polygon 6,6 150,150 134,166" \
        -fill none -stroke "$GOLD_DARK" -strokewidth 5 -draw "line 10,10 150,150" \
        -stroke "$INK" -strokewidth 8 \
        -fill "$GOLD" -draw "polygon 200,112 218,130 130,218 112,200" \
        -fill "$LEATHER_LIGHT" -draw "polygon 172,152 226,206 206,226 152,172" \
        -stroke "$LEATHER_DEEP" -strokewidth 4 -draw "line 186,178 178,186 line 200,192 192,200 line 214,206 206,214" \
        -fill "$GOLD_LIGHT" -stroke "$INK" -strokewidth 8 -draw "circle 228,228 246,228" \
        -filter Triangle -resize 32x32 "$1"
}

# make_shell_images: icon group, cursor and toolbar into $OUT.
make_shell_images()
{
    draw_icon_master "$WORK/icon_large.png" 12 "line 146,188 296,168 line 154,250 330,226 line 162,312 300,294" yes
    draw_icon_master "$WORK/icon_small.png" 24 "line 150,210 260,196" no
    local entries=() n
    for n in 256 128 96 72 64 48 32 24 16; do
        if [ "$n" -le 32 ]; then
            "$IM" "$WORK/icon_small.png" -filter Lanczos -resize "${n}x$n" -unsharp 0x0.5 -strip -define png:exclude-chunks=date,time "PNG32:$WORK/icon_$n.png"
        else
            "$IM" "$WORK/icon_large.png" -filter Lanczos -resize "${n}x$n" -strip -define png:exclude-chunks=date,time "PNG32:$WORK/icon_$n.png"
        fi
        entries+=("$WORK/icon_$n.png")
    done
    draw_cursor "$WORK/cursor.png"
    # The helper needs raw RGBA pixels; the 256 image is stored as PNG in the icon as usual.
    local f
    for f in "${entries[@]}" "$WORK/cursor.png"; do
        "$IM" "$f" -depth 8 "RGBA:${f%.png}.rgba"
    done
    python3 "$GEN/write_icon.py" icon "$OUT/quillmark.ico" "${entries[@]}"
    python3 "$GEN/write_icon.py" cursor "$OUT/blade.cur" "$WORK/cursor.png"
    python3 "$GEN/draw_toolbar.py" "$OUT/toolbar.bmp"
}
