#!/usr/bin/env bash
# Regenerates every image of the program into res/images/ and the previews into docs/images/.
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

draw_main_page
draw_character_page
draw_items_page
write_dds "$WORK/bg_main.png" "$OUT/main_page.dds" 2048 1024 dxt1
write_dds "$WORK/bg_character.png" "$OUT/character_page.dds" 1024 1024 dxt1
write_dds "$WORK/bg_items.png" "$OUT/items_page.dds" 1024 1024 dxt1
cp "$WORK"/bg_*.png /tmp/qm_bg/ 2>/dev/null || true
source "$GEN/atlas.sh"
draw_number_field
draw_check_boxes
draw_name_boxes
draw_buttons
draw_scroll_bar
compose_atlas "$WORK/atlas.png"
draw_cell
write_dds "$WORK/atlas.png" "$OUT/atlas.dds" 1024 1024 dxt5
write_dds "$WORK/cell.png" "$OUT/cell.dds" 512 512 dxt1
cp "$WORK"/atlas.png "$WORK"/cell.png /tmp/qm_bg/
source "$GEN/logo.sh"
draw_logos
for look in normal pressed hover; do
    "$IM" "$WORK/logo_$look.png" -define png:color-type=6 -define png:bit-depth=8 "PNG32:$OUT/logo_$look.png"
done
source "$GEN/shell.sh"
make_shell_images
cp "$WORK"/logo_*.png "$WORK"/icon_512.png "$WORK"/cursor.png /tmp/qm_bg/
