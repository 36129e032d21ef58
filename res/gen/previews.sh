# Renders the previews in docs/images/ from the committed files themselves (decoded DDS, PNG, icon,
# cursor, bitmap): each page as the program composes it, the atlas with its rectangles, the
# controls at their on-screen sizes, the logo looks and the shell pictures. Nothing here feeds
# the images; it only shows them.

KAI=$KAI_FONT
SONG=/usr/share/fonts/truetype/arphic/uming.ttc
LABEL_FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# colour 0xAARRGGBB -> #RRGGBB
colour() { echo "#${1:4:6}"; }

# Appends text drawing to the array PAINT. text_at X Y HEIGHT FONT COLOUR TEXT draws from the top-left
# point; text_in X0 Y0 X1 Y1 HEIGHT FONT COLOUR TEXT centres it in the rectangle. HEIGHT is the
# font's cell height as the program asks for it; the em is about 0.85 of it.
text_at()
{
    PAINT+=(-font "$4" -pointsize "$(($3 * 85 / 100))" -fill "$(colour "$5")" -gravity NorthWest
        -annotate "+$1+$2" "$6")
}
text_in()
{
    local dx=$((($1 + $3) / 2 - 400)) dy=$((($2 + $4) / 2 - 300))
    PAINT+=(-font "$6" -pointsize "$(($5 * 85 / 100))" -fill "$(colour "$7")" -gravity Center
        -annotate "$(printf '%+d%+d' "$dx" "$dy")" "$8")
}

# Appends a piece of the decoded atlas, point-sampled into a control box, to the array PAINT.
# piece SRC_X0 SRC_Y0 SRC_X1 SRC_Y1 X Y W H
piece()
{
    local name=$WORK/piece_$1_$2_$7_$8.png
    [ -f "$name" ] || "$IM" "$WORK/atlas_decoded.png" -crop "$(($3 - $1))x$(($4 - $2))+$1+$2" +repage \
        -filter point -resize "$7x$8!" "$name"
    PAINT+=(-gravity NorthWest "$name" -geometry "+$5+$6" -compose over -composite)
}

# page_preview DDS OUT: the background as the quad shows it (point-sampled to 800 x 600), then PAINT
# on top, with the logo button of the common layer.
page_preview()
{
    "$IM" "$1" -filter point -resize 800x600! "${PAINT[@]}" \
        -gravity NorthWest "$OUT/logo_normal.png" -geometry +695+15 -compose over -composite \
        -strip -define png:exclude-chunks=date,time +dither -colors 255 "PNG8:$2"
}

preview_main_page()
{
    PAINT=()
    local texts=("访问主页" "访问中文站帖子" "载入存档" "保存" "另存为" "修改人物" "修改物品" "退出")
    local k top c
    for k in 0 1 2 3 4 5 6 7; do
        top=$((174 + 30 * k))
        c=0xFF401F0D
        [ "$k" -ge 3 ] && [ "$k" -le 6 ] && c=0xFF736648
        [ "$k" -eq 2 ] && c=0xFFF6D816
        text_in 55 "$top" 180 $((top + 20)) 18 "$KAI" "$c" "${texts[$k]}"
    done
    # Where the program rocks its 3D title.
    PAINT+=(-font "$SERIF_BOLD_ITALIC" -pointsize 26 -fill '#452d0d' -gravity NorthWest -annotate +62+120 "Quillmark")
    text_at 5 560 18 "$KAI" 0xFFFFFFFF "成功保存..."
    page_preview "$OUT/main_page.dds" "$DOCS/main_page.png"
}

preview_character_page()
{
    PAINT=()
    piece 12 545 602 610 245 15 310 35
    text_in 245 15 555 50 18 "$SONG" 0xFF060504 "艾琳娜"
    text_at 285 66 20 "$KAI" 0xFF401F0D "等级：" ; text_at 345 66 20 "$KAI" 0xFF401F0D "12"
    text_at 285 86 20 "$KAI" 0xFF401F0D "经验值：" ; text_at 365 86 20 "$KAI" 0xFF401F0D "35640"
    text_at 66 388 17 "$KAI" 0xFF192541 "属性"
    text_at 315 175 17 "$KAI" 0xFF3A5224 "技能"
    text_at 600 258 17 "$KAI" 0xFF5B3E27 "人物列表"
    local attrs=("力：" "敏：" "智：" "魅：") values=(12 9 14 6) j k y
    for j in 0 1 2 3; do
        y=$((418 + 25 * j))
        c=0xFF192541
        [ "$j" -eq 1 ] && c=0xFF252ED1
        text_at 40 "$y" 15 "$KAI" "$c" "${attrs[$j]}"
        piece 757 220 931 284 120 "$y" 96 15
        text_in 120 "$y" 216 $((y + 15)) 14 "$KAI" 0xFFFFFFFF "${values[$j]}"
    done
    local skills=(刚体 骁勇 强掷 强弓 精武 盾防 跑动 骑术 骑射 劫掠 练兵 慧眼 谋略 行军 视野 物品管理
        养生 医术 包扎 工程学 说服 俘虏管理 统御 交涉)
    for k in $(seq 0 23); do
        y=$((200 + 14 * k))
        c=0xFF3A5224
        [ "$k" -eq 5 ] && c=0xFF20AF19
        text_at 278 "$y" 14 "$KAI" "$c" "${skills[$k]}"
        piece 757 220 931 284 470 "$y" 48 14
        text_in 470 "$y" 518 $((y + 14)) 14 "$KAI" 0xFFFFFFFF "$(((k * 7) % 11))"
    done
    text_at 48 535 17 "$KAI" 0xFF192541 "属性点:"
    text_at 310 535 17 "$KAI" 0xFF3A5224 "技能点:"
    text_at 310 555 17 "$KAI" 0xFF5B3E27 "武器点:"
    piece 757 220 931 284 113 537 96 15 ; text_in 113 537 209 552 14 "$KAI" 0xFFFFFFFF "3"
    piece 757 220 931 284 375 537 96 15 ; text_in 375 537 471 552 14 "$KAI" 0xFFFFFFFF "2"
    piece 757 220 931 284 375 557 96 15 ; text_in 375 557 471 572 14 "$KAI" 0xFFFFFFFF "0"
    piece 682 135 712 180 595 66 30 45
    PAINT+=(-font "$KAI" -pointsize 17 -fill "$(colour 0xFF401F0D)" -gravity NorthWest -annotate +627+79 "直面人生")
    piece 330 115 565 195 685 555 100 35
    text_in 685 555 785 590 20 "$KAI" 0xFF090807 "完成"
    local names=(艾琳娜 马尔尼克斯 博尔查 阿勒玛 德尚维 法伊泽 菲尔兹 贾米拉 杰里米斯 卡提尔 克莱斯
        拉扎克 马泰尔德 尼扎尔 罗尔夫 乌米特)
    for k in $(seq 0 15); do
        c=0xFF5B3E27
        [ "$k" -eq 3 ] && c=0xFFD6301B
        text_at 575 $((287 + 15 * k)) 15 "$KAI" "$c" "${names[$k]}"
    done
    page_preview "$OUT/character_page.dds" "$DOCS/character_page.png"
}

preview_items_page()
{
    PAINT=()
    text_in 600 20 740 40 14 "$KAI" 0xFF000000 "艾琳娜"
    text_at 610 550 17 "$KAI" 0xFF000000 "钱:"
    piece 757 220 931 284 640 550 96 18
    text_in 640 550 736 568 17 "$KAI" 0xFFFFFFFF "28410"
    "$IM" "$OUT/cell.dds" -crop 70x70+0+0 +repage "$WORK/cell_piece.png"
    # Rows of cells from the box top; the seventh shows only down to the box bottom (520).
    "$IM" "$WORK/cell_piece.png" -crop 70x58+0+0 +repage "$WORK/cell_cut.png"
    local row col cell
    for row in 0 1 2 3 4 5 6; do
        cell=$WORK/cell_piece.png
        [ "$row" -lt 6 ] || cell=$WORK/cell_cut.png
        for col in 0 1 2; do
            PAINT+=(-gravity NorthWest "$cell" -geometry "+$((551 + 72 * col))+$((42 + 70 * row))" -compose over -composite)
        done
    done
    piece 985 15 1005 685 769 50 14 460
    piece 955 120 965 440 774 55 5 90
    page_preview "$OUT/items_page.dds" "$DOCS/items_page.png"
}

# The atlas over a checkerboard with each rectangle outlined and numbered, and a legend below.
preview_atlas()
{
    local rects=("757,220,931,284,number box field" "650,135,680,180,check box unchecked"
        "682,135,712,180,check box checked" "12,545,602,610,name box normal" "12,446,602,511,name box focused"
        "330,115,565,195,button normal" "330,15,565,95,button pressed" "985,15,1005,685,scroll track"
        "955,120,965,440,scroll thumb")
    local draw=() legend=() r x0 y0 x1 y1 name i=1
    for r in "${rects[@]}"; do
        IFS=, read -r x0 y0 x1 y1 name <<<"$r"
        draw+=(-fill none -stroke '#ff3030' -strokewidth 1 -draw "rectangle $((x0 - 1)),$((y0 - 1)) $x1,$y1"
            -stroke none -fill '#ffffff' -undercolor '#000000c0' -annotate "+$((x0 - 1))+$((y1 + 2))" " $i ")
        legend+=(-annotate "+$((20 + (i - 1) / 3 * 340))+$((732 + (i - 1) % 3 * 22))" "$i  $name ($x0, $y0, $x1, $y1)")
        i=$((i + 1))
    done
    "$IM" -size 1024x800 xc:'#3a2c20' \
        \( -size 1024x720 pattern:checkerboard -fill '#8c8c8c' -opaque black -fill '#a8a8a8' -opaque white \
           "$WORK/atlas_decoded.png" -crop 1024x720+0+0 +repage -compose over -composite \) \
        -gravity NorthWest -geometry +0+0 -compose over -composite \
        -font "$LABEL_FONT" -pointsize 13 "${draw[@]}" -fill '#f0e0c0' -undercolor none "${legend[@]}" \
        -strip -define png:exclude-chunks=date,time "PNG24:$DOCS/atlas.png"
}

# Every control look at its on-screen size (point-sampled, as drawn) on parchment, twice as large:
# number boxes at their three sizes, both check box looks, the name box normal and focused, the
# button normal, hovered and pressed, and the scroll bar.
preview_controls()
{
    PAINT=()
    piece 757 220 931 284 20 20 48 14 ; text_in 20 20 68 34 14 "$KAI" 0xFFFFFFFF "10"
    piece 757 220 931 284 90 20 96 15 ; text_in 90 20 186 35 14 "$KAI" 0xFFFFFFFF "2147483647"
    piece 757 220 931 284 210 20 96 18 ; text_in 210 20 306 38 17 "$KAI" 0xFFFFFFFF "28410"
    piece 650 135 680 180 330 6 30 45
    text_at 362 19 20 "$KAI" 0xFF401F0D "直面人生"
    piece 682 135 712 180 460 6 30 45
    text_at 492 19 20 "$KAI" 0xFF401F0D "直面人生"
    piece 12 545 602 610 20 60 310 35 ; text_in 20 60 330 95 18 "$SONG" 0xFF060504 "艾琳娜"
    piece 12 446 602 511 350 60 310 35 ; text_in 350 60 660 95 18 "$SONG" 0xFF060504 "艾琳娜"
    piece 330 115 565 195 20 110 100 35 ; text_in 20 110 120 145 20 "$KAI" 0xFF090807 "完成"
    piece 330 115 565 195 140 110 100 35 ; text_in 140 110 240 145 20 "$KAI" 0xFF187F11 "完成"
    piece 330 15 565 95 260 110 100 35 ; text_in 260 110 360 145 20 "$KAI" 0xFF187F11 "完成"
    piece 985 15 1005 685 690 6 14 148
    piece 955 120 965 440 695 11 5 90
    "$IM" -size 800x600 xc:"$PARCH" "${PAINT[@]}" -crop 720x160+0+0 +repage \
        -filter point -resize 200% -strip -define png:exclude-chunks=date,time "PNG24:$DOCS/controls.png"
}

# Logo looks, icon sizes, cursor and toolbar, enlarged where small.
preview_shell()
{
    "$IM" -background '#5a4632' -fill white -font "$LABEL_FONT" -pointsize 13 \
        \( \( "$OUT/logo_normal.png" -filter point -resize 300% \) label:normal -gravity center -append \) \
        \( \( "$OUT/logo_hover.png" -filter point -resize 300% \) label:hover -gravity center -append \) \
        \( \( "$OUT/logo_pressed.png" -filter point -resize 300% \) label:pressed -gravity center -append \) \
        -bordercolor '#5a4632' -border 8 +append -strip -define png:exclude-chunks=date,time "PNG24:$DOCS/logo.png"
    local icons=() i
    for i in 0 1 2 3 4 5 6 7 8; do
        icons+=("$OUT/quillmark.ico[$i]")
    done
    "$IM" -background '#d8d0c0' "${icons[@]}" -bordercolor '#d8d0c0' -border 6 -gravity south +append \
        \( "$OUT/quillmark.ico[8]" "$OUT/quillmark.ico[7]" "$OUT/quillmark.ico[6]" -filter point -resize 400% \
           -bordercolor '#d8d0c0' -border 6 -gravity south +append \) -gravity west -append \
        -strip -define png:exclude-chunks=date,time "PNG24:$DOCS/icon.png"
    "$IM" \( "$OUT/toolbar.bmp" -filter point -resize 800% \) \
        \( "$OUT/toolbar.bmp" -fill '#e8e4dc' -opaque '#ff00ff' -filter point -resize 800% \) \
        \( \( "$OUT/blade.cur" -background "$PARCH" -flatten \) \( "$OUT/blade.cur" -background "$LEATHER" -flatten \) \
           -filter point -resize 800% -fill none -stroke red -draw "rectangle 0,0 7,7" \
           -bordercolor '#5a4632' -border 6 +append \) \
        -background '#5a4632' -bordercolor '#5a4632' -border 6 -gravity west -append \
        -strip -define png:exclude-chunks=date,time "PNG24:$DOCS/shell.png"
}

make_previews()
{
    "$IM" "$OUT/atlas.dds" "PNG32:$WORK/atlas_decoded.png"
    preview_main_page
    preview_character_page
    preview_items_page
    preview_atlas
    preview_controls
    preview_shell
}
