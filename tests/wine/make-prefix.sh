#!/usr/bin/env bash
# Makes a throw-away Wine prefix for the Windows tests: boots it once, maps the Chinese font
# names the program asks for onto the Arphic faces, links Chinese glyphs into Wine's UI faces,
# lets crashes print a backtrace instead of waiting on a dialog, and has Wine draw window frames
# itself (Xvfb has no window manager). Usage: make-prefix.sh DIR
set -eu
dir=${1:?usage: make-prefix.sh DIR}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$dir"
export WINEPREFIX=$(cd "$dir" && pwd) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
# regedit needs UTF-16LE with a byte-order mark for the Chinese value names.
reg="$WINEPREFIX/quillmark-test.reg"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/prefix.reg"; } > "$reg"
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
echo "$WINEPREFIX"
