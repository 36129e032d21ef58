# Shared palette and drawing helpers for the image generator (sourced by generate.sh).
# Every helper writes PNG files into $WORK; nothing here knows about resource ids or layouts.
# The palette and fonts are read by the files that source this one.
# shellcheck disable=SC2034

IM=/usr/bin/convert

# One palette for every image: dark leather, parchment, ink, gold.
INK='#2e1a0c'
INK_SOFT='#5a3a20'
LEATHER_DEEP='#1e120a'
LEATHER='#452a17'
LEATHER_LIGHT='#6e4828'
PARCH_DARK='#c4a26a'
PARCH='#e4d0a2'
PARCH_LIGHT='#f5ebd0'
GOLD_DARK='#7c5a20'
GOLD='#c39842'
GOLD_LIGHT='#f0d488'
FIELD_DARK='#23160c'
FIELD='#3b2817'
SEAL='#8e2a1a'

KAI_FONT=/usr/share/fonts/truetype/arphic/ukai.ttc
SERIF_BOLD_ITALIC=/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf

# make_noise W H SEED BLUR OUT: grey value noise, blurred to the given radius, stretched to full range.
make_noise()
{
    "$IM" -seed "$3" -size "$1x$2" xc: +noise Random -channel R -separate +channel \
        -blur "0x$4" -auto-level "$5"
}

# make_texture W H SEED DARK LIGHT GRAIN OUT: three octaves of noise mapped onto a two-colour ramp.
# GRAIN (0..1) is the weight of the fine fibre octave: leather gets more than parchment.
make_texture()
{
    local w=$1 h=$2 seed=$3 dark=$4 light=$5 grain=$6 out=$7
    make_noise "$w" "$h" "$seed" 40 "$WORK/n_big.png"
    make_noise "$w" "$h" "$((seed + 1))" 5 "$WORK/n_mid.png"
    make_noise "$w" "$h" "$((seed + 2))" 0.7 "$WORK/n_fine.png"
    local weights
    weights=$(awk -v g="$grain" 'BEGIN { printf "%.3f,1 %.3f,1 %.3f,1", 0.7 * (1 - g), 0.3 * (1 - g), g }')
    "$IM" "$WORK/n_big.png" "$WORK/n_mid.png" "$WORK/n_fine.png" -poly "$weights" \
        -auto-level -level 8%,92% \
        \( -size 1x256 gradient:"$dark-$light" \) -clut "$out"
}

# write_dds IN OUT W H FORMAT: resize (non-uniformly) and compress without mipmaps.
write_dds()
{
    "$IM" "$1" -filter Mitchell -resize "$3x$4!" -define dds:compression="$5" \
        -define dds:mipmaps=0 -define dds:cluster-fit=true -define dds:weight-by-alpha=true \
        "DDS:$2"
}

# make_desk SEED OUT: the dark leather desk every page sits on, darker towards the corners, with
# a thin gold rule just inside the canvas edge and a tooled border of small diamonds inside it.
make_desk()
{
    make_texture 800 600 "$1" "$LEATHER_DEEP" "$LEATHER_LIGHT" 0.3 "$WORK/desk_tex.png"
    local tooling
    tooling=$(awk 'BEGIN {
        for (x = 24; x <= 776; x += 16) { d(x, 15); d(x, 585) }
        for (y = 31; y <= 569; y += 16) { d(15, y); d(785, y) }
    }
    function d(x, y) { printf "polygon %d,%d %d,%d %d,%d %d,%d ", x, y - 3, x + 3, y, x, y + 3, x - 3, y }')
    "$IM" "$WORK/desk_tex.png" \
        \( -size 1000x800 radial-gradient:white-'#4a4a4a' -gravity center -crop 800x600+0+0 +repage \) \
        -compose multiply -composite \
        -fill none -stroke "$GOLD_DARK" -strokewidth 2 -draw "roundrectangle 5,5 794,594 8,8" \
        -stroke "$LEATHER_DEEP" -strokewidth 1 -draw "roundrectangle 9,9 790,590 6,6" \
        -stroke none -fill "rgba(195,152,66,0.35)" -draw "$tooling" \
        -fill none -stroke "rgba(124,90,32,0.6)" -strokewidth 1 -draw "roundrectangle 21,21 778,578 4,4" "$2"
}

# add_panels BASE SEED OUT RECT...: lays parchment panels (RECT = "x0,y0,x1,y1") on BASE with a drop
# shadow, burnt edges, an ink border and a gold inner rule.
add_panels()
{
    local base=$1 seed=$2 out=$3
    shift 3
    local shape="" border="" rule="" r x0 y0 x1 y1
    for r in "$@"; do
        IFS=, read -r x0 y0 x1 y1 <<<"$r"
        shape+="roundrectangle $x0,$y0 $x1,$y1 10,10 "
        border+="roundrectangle $x0,$y0 $x1,$y1 10,10 "
        rule+="roundrectangle $((x0 + 6)),$((y0 + 6)) $((x1 - 6)),$((y1 - 6)) 6,6 "
    done
    "$IM" -size 800x600 xc:black -fill white -draw "$shape" "$WORK/panel_mask.png"
    make_texture 800 600 "$seed" "$PARCH_DARK" "$PARCH_LIGHT" 0.12 "$WORK/panel_tex.png"
    # Shadow: the mask moved down-right and blurred darkens the desk under each panel.
    "$IM" "$base" \
        \( "$WORK/panel_mask.png" -roll +4+6 -blur 0x6 -evaluate multiply 0.7 -negate \) \
        -compose multiply -composite "$WORK/panel_shadow.png"
    # Burnt edges: parchment darkens within a few pixels of its border.
    "$IM" "$WORK/panel_tex.png" \
        \( "$WORK/panel_mask.png" -blur 0x9 -level 0,60% +level 62%,100% \) \
        -compose multiply -composite \
        "$WORK/panel_mask.png" -alpha off -compose CopyOpacity -composite "$WORK/panel_parch.png"
    "$IM" "$WORK/panel_shadow.png" "$WORK/panel_parch.png" -compose over -composite \
        -fill none -stroke "$INK" -strokewidth 2.5 -draw "$border" \
        -stroke "$GOLD_DARK" -strokewidth 1.5 -draw "$rule" "$out"
}

# shape W H FILL DRAW OUT: a transparent W x H layer holding DRAW filled with FILL, where FILL is
# either a colour or "A-B" for a top-to-bottom gradient or "A:B" for a left-to-right one.
shape()
{
    local w=$1 h=$2 fill=$3 draw=$4 out=$5 paint
    case $fill in
    *:*) paint=(-size "${h}x${w}" gradient:"${fill%%:*}-${fill##*:}" -rotate -90) ;;
    *-*) paint=(-size "${w}x${h}" gradient:"$fill") ;;
    *) paint=(-size "${w}x${h}" xc:"$fill") ;;
    esac
    "$IM" "${paint[@]}" -alpha set \( -size "${w}x${h}" xc:none -fill white -draw "$draw" \) \
        -compose DstIn -composite "$out"
}

# stack OUT LAYER...: composes same-sized layers bottom to top.
stack()
{
    local out=$1
    shift
    local args=("$1") layer
    shift
    for layer in "$@"; do
        args+=("$layer" -compose over -composite)
    done
    "$IM" "${args[@]}" "$out"
}
