#!/usr/bin/env bash
# Regenerates the program's images into res/images/ and the previews into docs/images/.
# Usage: generate.sh [pages] [atlas] [logo] [shell] [previews]  (no argument: all of them).
# Needs ImageMagick 6 at /usr/bin/convert and python3; a build never runs this.
set -euo pipefail

GEN=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$GEN/../.." && pwd)
OUT=$ROOT/res/images
DOCS=$ROOT/docs/images
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export MAGICK_THREAD_LIMIT=1
mkdir -p "$OUT" "$DOCS"

source "$GEN/lib.sh"
source "$GEN/backgrounds.sh"
source "$GEN/atlas.sh"
source "$GEN/logo.sh"
source "$GEN/shell.sh"
source "$GEN/previews.sh"

make_pages()
{
    draw_main_page
    draw_character_page
    draw_items_page
    write_dds "$WORK/bg_main.png" "$OUT/main_page.dds" 2048 1024 dxt1
    write_dds "$WORK/bg_character.png" "$OUT/character_page.dds" 1024 1024 dxt1
    write_dds "$WORK/bg_items.png" "$OUT/items_page.dds" 1024 1024 dxt1
}

make_atlas()
{
    draw_number_field
    draw_check_boxes
    draw_name_boxes
    draw_buttons
    draw_scroll_bar
    compose_atlas "$WORK/atlas.png"
    draw_cell
    write_dds "$WORK/atlas.png" "$OUT/atlas.dds" 1024 1024 dxt5
    write_dds "$WORK/cell.png" "$OUT/cell.dds" 512 512 dxt1
}

make_logo()
{
    draw_logos
    local look
    for look in normal pressed hover; do
        "$IM" "$WORK/logo_$look.png" -define png:bit-depth=8 -strip -define png:exclude-chunks=date,time "PNG32:$OUT/logo_$look.png"
    done
}

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(pages atlas logo shell previews)
for part in "${parts[@]}"; do
    case $part in
    pages) make_pages ;;
    atlas) make_atlas ;;
    logo) make_logo ;;
    shell) make_shell_images ;;
    previews) make_previews ;;
    *) echo "unknown part: $part" >&2; exit 2 ;;
    esac
done
python3 "$GEN/check_images.py" "$OUT"
