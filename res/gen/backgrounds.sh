# Draws the three page backgrounds at the 800 x 600 canvas size, in canvas coordinates, into
# $WORK/bg_*.png. Resizing to the texture sizes and compression happen in generate.sh.

# Rows of eight menu labels on an engraved light-bronze tablet: a tone between parchment and
# bronze is where dark brown, the yellow hover colour and the grey-brown disabled colour all read.
draw_main_page()
{
    make_desk 11 "$WORK/desk_main.png"
    add_panels "$WORK/desk_main.png" 21 "$WORK/main_panels.png" \
        "26,92,210,432" "236,64,776,566"

    # Bronze tablet behind the menu labels (55..180 x 174..404).
    make_texture 800 600 31 '#bc9862' '#d0ae78' 0.15 "$WORK/bronze_tex.png"
    "$IM" -size 800x600 xc:black -fill white -draw "roundrectangle 46,164 189,414 7,7" "$WORK/tablet_mask.png"
    "$IM" "$WORK/bronze_tex.png" "$WORK/tablet_mask.png" -alpha off -compose CopyOpacity -composite \
        "$WORK/tablet.png"
    local grooves="" k y
    for k in 0 1 2 3 4 5 6; do
        y=$((199 + 30 * k))
        grooves+="line 60,$y 175,$y "
    done
    local lights=""
    for k in 0 1 2 3 4 5 6; do
        y=$((200 + 30 * k))
        lights+="line 60,$y 175,$y "
    done

    # Old map on the right-hand sheet: contour lines from smooth noise, a route, a compass rose.
    make_noise 800 600 41 22 "$WORK/terrain.png"
    "$IM" "$WORK/terrain.png" -posterize 11 -morphology EdgeIn Diamond:1 -auto-level -blur 0x0.5 \
        \( -size 800x600 xc:black -fill white -draw "roundrectangle 252,80 760,550 6,6" -blur 0x10 \) \
        -compose multiply -composite -evaluate multiply 0.45 -negate "$WORK/contours.png"

    "$IM" "$WORK/main_panels.png" \
        "$WORK/tablet.png" -compose over -composite \
        -fill none -stroke "$INK" -strokewidth 2 -draw "roundrectangle 46,164 189,414 7,7" \
        -stroke '#8a6838' -strokewidth 1 -draw "$grooves" \
        -stroke '#e6cc98' -strokewidth 1 -draw "$lights" \
        "$WORK/contours.png" -compose multiply -composite \
        -fill none -stroke "$SEAL" -strokewidth 2.5 -draw "stroke-dasharray 7 6 path 'M 300,500 C 360,420 330,360 420,330 S 520,300 560,240 S 610,170 680,150'" \
        -stroke "$SEAL" -strokewidth 3 -draw "line 672,142 688,158 line 672,158 688,142" \
        "$WORK/main_raw.png"
    draw_compass "$WORK/main_raw.png" 672 468 62 "$WORK/main_raw.png"
    draw_map_marks "$WORK/main_raw.png" "$WORK/main_raw.png"
    # Flourish under the title zone and at the foot of the menu panel.
    "$IM" "$WORK/main_raw.png" -fill "$GOLD_DARK" -stroke "$GOLD_DARK" -strokewidth 1 \
        -draw "polygon 118,152 124,158 118,164 112,158" \
        -draw "line 52,158 108,158 line 128,158 184,158" \
        -draw "polygon 118,414 124,420 118,426 112,420" \
        "$WORK/bg_main.png"
}

# draw_map_marks IN OUT: a double neatline round the map, ranges of hills and small woods.
draw_map_marks()
{
    local hills="" trees="" p x y
    for p in 330,190 352,182 374,194 560,420 584,408 606,420 628,412 470,470 492,462 300,300 322,292; do
        IFS=, read -r x y <<<"$p"
        hills+="path 'M $((x - 14)),$((y + 8)) L $x,$((y - 12)) L $((x + 14)),$((y + 8))' "
        hills+="line $x,$((y - 12)) $((x + 3)),$((y + 6)) "
    done
    for p in 430,240 444,236 438,250 640,300 654,306 646,290 520,140 534,146 360,430 372,440; do
        IFS=, read -r x y <<<"$p"
        trees+="circle $x,$y $((x + 5)),$y line $x,$((y + 5)) $x,$((y + 10)) "
    done
    # Waves in the sea at the lower left and the upper right of the map.
    local waves=""
    for p in 280,470 310,486 350,500 290,516 330,530 380,522 420,536 700,100 730,112 690,126 728,140; do
        IFS=, read -r x y <<<"$p"
        waves+="path 'M $((x - 10)),$y Q $((x - 5)),$((y - 5)) $x,$y Q $((x + 5)),$((y + 5)) $((x + 10)),$y' "
    done
    "$IM" "$1" -fill none -stroke "$INK_SOFT" -strokewidth 1.5 -draw "rectangle 252,80 760,550" \
        -strokewidth 1 -draw "rectangle 256,84 756,546" \
        -fill "rgba(228,208,162,0.9)" -stroke "$INK_SOFT" -strokewidth 1.5 -draw "$hills" \
        -fill "rgba(120,96,52,0.55)" -stroke "$INK_SOFT" -strokewidth 1 -draw "$trees" \
        -fill none -stroke "rgba(90,58,32,0.6)" -strokewidth 1.2 -draw "$waves" "$2"
}

# draw_compass IN CX CY R OUT: an eight-pointed compass rose in ink and gold.
draw_compass()
{
    local cx=$2 cy=$3 r=$4
    local s=$((r * 3 / 10)) m=$((r * 6 / 10))
    "$IM" "$1" -fill none -stroke "$INK_SOFT" -strokewidth 1.5 \
        -draw "circle $cx,$cy $((cx + r - 8)),$cy" \
        -strokewidth 1 -draw "circle $cx,$cy $((cx + r - 14)),$cy" \
        -stroke "$INK" -strokewidth 1 -fill "$GOLD" \
        -draw "polygon $((cx - m)),$((cy - m)) $((cx + s / 2)),$((cy - s / 2)) $cx,$cy" \
        -draw "polygon $((cx + m)),$((cy - m)) $((cx + s / 2)),$((cy + s / 2)) $cx,$cy" \
        -draw "polygon $((cx + m)),$((cy + m)) $((cx - s / 2)),$((cy + s / 2)) $cx,$cy" \
        -draw "polygon $((cx - m)),$((cy + m)) $((cx - s / 2)),$((cy - s / 2)) $cx,$cy" \
        -fill "$INK_SOFT" \
        -draw "polygon $cx,$((cy - r)) $((cx + s)),$((cy - s)) $cx,$cy" \
        -draw "polygon $((cx + r)),$cy $((cx + s)),$((cy + s)) $cx,$cy" \
        -draw "polygon $cx,$((cy + r)) $((cx - s)),$((cy + s)) $cx,$cy" \
        -draw "polygon $((cx - r)),$cy $((cx - s)),$((cy - s)) $cx,$cy" \
        -fill "$PARCH_LIGHT" \
        -draw "polygon $cx,$((cy - r)) $((cx - s)),$((cy - s)) $cx,$cy" \
        -draw "polygon $((cx + r)),$cy $((cx + s)),$((cy - s)) $cx,$cy" \
        -draw "polygon $cx,$((cy + r)) $((cx + s)),$((cy + s)) $cx,$cy" \
        -draw "polygon $((cx - r)),$cy $((cx - s)),$((cy + s)) $cx,$cy" \
        -fill "$SEAL" -draw "circle $cx,$cy $((cx + 4)),$cy" "$5"
}

# Character page: header with level, experience and the check box; a crest; attribute, skill and
# character-list panels with rules under the headings the program draws.
draw_character_page()
{
    make_desk 12 "$WORK/desk_char.png"
    add_panels "$WORK/desk_char.png" 22 "$WORK/char_panels.png" \
        "240,56,732,118" "22,60,228,364" "26,376,234,570" "262,166,532,584" "558,248,782,542"

    # Alternate skill rows (278..518, 200 + 14k) get a faint band so a row reads across to its box.
    local bands="" k y
    for k in 1 3 5 7 9 11 13 15 17 19 21 23; do
        y=$((200 + 14 * k))
        bands+="rectangle 272,$y 524,$((y + 13)) "
    done
    local dots=""
    for k in 0 1 2 3; do
        y=$((434 + 25 * k))
        dots+="line 40,$y 222,$y "
    done
    "$IM" "$WORK/char_panels.png" \
        -fill "rgba(150,110,60,0.22)" -stroke none -draw "$bands" \
        -stroke "rgba(90,58,32,0.45)" -strokewidth 1 -draw "stroke-dasharray 2 3 $dots" \
        -stroke "$GOLD_DARK" -strokewidth 1.5 \
        -draw "line 40,410 220,410 line 276,196 518,196 line 572,282 768,282" \
        -draw "line 40,528 220,528" \
        -stroke "$INK_SOFT" -strokewidth 1 -draw "line 578,66 578,108" \
        "$WORK/char_raw.png"
    draw_crest "$WORK/char_raw.png" 125 212 "$WORK/bg_character.png"
}

# crest_leaves CX CY: draw primitives for two laurel branches along the oval's lower half.
crest_leaves()
{
    awk -v cx="$1" -v cy="$2" 'BEGIN {
        for (a = 20; a <= 150; a += 13) {
            if (a > 80 && a < 100) continue
            r = a * 3.14159265 / 180
            x = cx + 86 * cos(r); y = cy + 128 * sin(r)
            t = atan2(128 * cos(r), -86 * sin(r)) * 180 / 3.14159265 + 25
            printf "push graphic-context translate %.1f,%.1f rotate %.1f ellipse 0,0 10,4 0,360 pop graphic-context ", x, y, t
        }
    }'
}

# draw_crest IN CX CY OUT: a laurelled oval frame round an olive field holding a shield with a quill
# across it.
draw_crest()
{
    local cx=$2 cy=$3
    "$IM" "$1" -fill none -stroke "$GOLD_DARK" -strokewidth 3 -draw "ellipse $cx,$cy 78,120 0,360" \
        -stroke "$INK" -strokewidth 1 -draw "ellipse $cx,$cy 84,126 0,360" \
        -fill "#6f7a3a" -stroke "#3a4020" -strokewidth 1 -draw "$(crest_leaves "$cx" "$cy")" \
        -fill "#5f6a33" -stroke "$INK" -strokewidth 1 -draw "ellipse $cx,$cy 72,114 0,360" \
        -fill "$SEAL" -stroke "$INK" -strokewidth 2.5 \
        -draw "path 'M $((cx - 48)),$((cy - 62)) L $((cx + 48)),$((cy - 62)) L $((cx + 48)),$((cy + 6)) Q $((cx + 46)),$((cy + 58)) $cx,$((cy + 82)) Q $((cx - 46)),$((cy + 58)) $((cx - 48)),$((cy + 6)) Z'" \
        -fill "$GOLD" -stroke "$GOLD_DARK" -strokewidth 1 \
        -draw "path 'M $((cx - 48)),$((cy - 8)) L $cx,$((cy - 40)) L $((cx + 48)),$((cy - 8)) L $((cx + 48)),$((cy + 8)) L $cx,$((cy - 24)) L $((cx - 48)),$((cy + 8)) Z'" \
        -fill "$PARCH_LIGHT" -stroke "$INK" -strokewidth 1.5 \
        -draw "path 'M $((cx + 46)),$((cy - 96)) C $((cx + 6)),$((cy - 84)) $((cx - 28)),$((cy - 10)) $((cx - 26)),$((cy + 62)) C $((cx + 2)),$((cy + 10)) $((cx + 40)),$((cy - 40)) $((cx + 46)),$((cy - 96)) Z'" \
        -stroke "$INK" -strokewidth 1.5 -draw "line $((cx + 44)),$((cy - 92)) $((cx - 26)),$((cy + 66))" \
        -fill "$GOLD" -stroke "$INK" -strokewidth 1.5 \
        -draw "polygon $((cx - 24)),$((cy + 58)) $((cx - 18)),$((cy + 64)) $((cx - 34)),$((cy + 92)) $((cx - 36)),$((cy + 88))" \
        "$4"
}

# Items page: a lit stage on the left for the turning model, and one tall panel on the right with
# the player's name, the dark well of the cell grid and its track, and the money.
draw_items_page()
{
    make_desk 13 "$WORK/desk_items.png"
    "$IM" "$WORK/desk_items.png" \
        \( -size 800x600 xc:black -fill '#7a5430' -draw "ellipse 290,290 230,220 0,360" -blur 0x70 \) \
        -compose screen -composite "$WORK/desk_items_lit.png"
    add_panels "$WORK/desk_items_lit.png" 23 "$WORK/items_panels.png" "540,8,792,588"
    # Corner brackets framing the stage; sx and sy point each one into the stage.
    local corners
    corners=$(awk 'BEGIN { c(36, 36, 1, 1); c(506, 36, -1, 1); c(36, 564, 1, -1); c(506, 564, -1, -1) }
    function c(x, y, sx, sy) {
        printf "line %d,%d %d,%d line %d,%d %d,%d ", x, y, x + 50 * sx, y, x, y, x, y + 50 * sy
        printf "line %d,%d %d,%d line %d,%d %d,%d ", x + 6 * sx, y + 6 * sy, x + 32 * sx, y + 6 * sy, \
            x + 6 * sx, y + 6 * sy, x + 6 * sx, y + 32 * sy
    }')
    "$IM" "$WORK/items_panels.png" \
        -fill "$FIELD_DARK" -stroke "$GOLD_DARK" -strokewidth 2 -draw "roundrectangle 547,37 787,525 5,5" \
        -fill none -stroke "$INK" -strokewidth 1 -draw "roundrectangle 545,35 789,527 6,6" \
        -fill "$FIELD" -stroke none -draw "roundrectangle 767,46 785,514 4,4" \
        -stroke "$GOLD_DARK" -strokewidth 1.5 -draw "line 600,578 740,578" \
        -fill none -stroke "$GOLD" -strokewidth 1.5 -draw "$corners" \
        -fill "rgba(30,18,10,0.55)" -stroke none -draw "ellipse 294,478 158,30 0,360" \
        -fill "rgba(110,72,40,0.55)" -stroke "rgba(195,152,66,0.55)" -strokewidth 2 -draw "ellipse 290,470 150,26 0,360" \
        -fill none -stroke "rgba(240,212,136,0.25)" -strokewidth 1 -draw "ellipse 290,468 132,20 0,360" \
        "$WORK/bg_items.png"
}
