#!/usr/bin/env bash
# Drives quillmark.exe under Wine as a user would, with xdotool, and checks the saved bytes and
# screenshots: the disabled menu entries before a load, opening through the Open dialog, editing a
# companion's values and the header flag on the character page, F12 with its backup and notice,
# the question when the file changed on disk, Save As and a later F12, the page keys, "退出", and
# a save with a Chinese path given on the command line. Needs DISPLAY and WINEPREFIX.
# Usage: editor-test.sh QUILLMARK_EXE PROBE_EXE FIXTURE_EXE WORK_DIR
set -u
exe=$1 probe=$2 fixture=$3 work=$4
rm -rf "$work"
. "$(dirname "$0")/program-lib.sh"

saves="$work/saves"
mkdir -p "$saves"
for stage in 0 1 2; do
    wine "$fixture" editor "$(winepath -w "$saves/expected$stage.sav")" $stage || fail "no fixture $stage"
done
cp "$saves/expected0.sav" "$saves/a.sav"

# Screen position of a canvas point as the layout gives it (the canvas starts 19 pixels down).
at() { echo $((cx + $1)) $((cy + 19 + $2)); }
click() { # X Y: a quick click, down and up back to back
    xdotool mousemove $(at "$1" "$2")
    sleep 0.2
    xdotool click 1
    sleep 0.5
}
type_into() { # X Y TEXT: focuses the box, clears it and types TEXT
    click "$1" "$2"
    xdotool key --repeat 12 --delay 20 BackSpace
    xdotool type --delay 40 "$3"
    sleep 0.3
}
shot() { import -window root "$work/$1" 2>/dev/null; }
# Which page the last frame on screen shows, told by two patches that nothing moves over: the top
# middle is light only on the character page (its name box), the right middle is dark only on the
# items page (its grid).
mean_grey() { # SHOT X Y: the mean grey level of the 30 x 30 canvas patch at X,Y
    convert "$work/$1" -crop 30x30+$((cx + $2))+$((cy + 19 + $3)) -colorspace Gray -format '%[fx:mean]' info:
}
page_name() {
    shot page.png
    awk -v top="$(mean_grey page.png 420 30)" -v right="$(mean_grey page.png 700 300)" \
        'BEGIN { print (top > 0.4 ? "character" : (right < 0.5 ? "items" : "main")) }'
}
expect_page() { # NAME: waits up to 20 s for the page (frames come slowly on a loaded machine)
    local now
    for _ in $(seq 40); do
        now=$(page_name)
        [ "$now" = "$1" ] && return 0
        sleep 0.3
    done
    fail "on the $now page, expected the $1 page"
}
# The darkest grey level (0 to 1) in the canvas rectangle X0 Y0 X1 Y1 of a screenshot: a label's
# text in its normal colour is far darker than one drawn disabled.
darkest() { # SHOT X0 Y0 X1 Y1
    convert "$work/$1" -crop $(($4 - $2))x$(($5 - $3))+$((cx + $2))+$((cy + 19 + $3)) -colorspace Gray \
        -format '%[fx:minima]' info:
}
darker() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0.1 < b) }'; } # A B: A clearly darker than B
wait_status() { # TEXT: the status bar's first pane
    local text=
    for _ in $(seq 50); do
        text=$(value statusbar.text "$(probe frame)")
        [ "$text" = "$1" ] && return 0
        sleep 0.2
    done
    fail "status bar shows '$text', expected '$1'"
}
wait_same() { # FILE EXPECTED WHAT
    for _ in $(seq 50); do
        cmp -s "$1" "$2" && return 0
        sleep 0.2
    done
    fail "$3: $(cmp "$1" "$2" 2>&1 | head -1)"
}
choose_in_dialog() { # TITLE PATH
    probe wait-dialog "$1" 20000 || {
        fail "no '$1' dialog; windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | sort -u | tr '\n' '|')"
        return
    }
    xdotool windowfocus --sync "$(xdotool search --name "^$1\$" | head -1)"
    sleep 0.5
    xdotool type --delay 30 "$2"
    xdotool key Return
    probe gone-dialog "$1" 20000 || fail "the '$1' dialog stays open"
}
press() { focus_main; xdotool key "$1"; sleep 0.5; }
# The brightest grey level where the save notice rises (the lower left corner, dark on every
# page); the white notice is far brighter. Only that patch is taken, so that polling is quick.
notice_light() {
    import -window root -crop 105x100+$((cx + 5))+$((cy + 19 + 500)) +repage "$work/notice.ppm" 2>/dev/null
    convert "$work/notice.ppm" -colorspace Gray -format '%[fx:maxima]' info:
}
noticed() { awk -v a="$(notice_light)" 'BEGIN { exit !(a > 0.7) }'; }

start_app "$exe"
probe wait Quillmark 60000 || { fail "no main window"; exit 1; }
IFS=, read -r vl vt _ _ <<<"$(value view "$(probe frame)")"
cx=$((vl + 2)) cy=$((vt + 2))
wait_for_pixel $((cx + 400)) $((cy + 9)) "srgb(0,255,255)" start.png || fail "no frame drawn"
expect_page main

# Before a load: "保存" and the other entries that need a save are drawn disabled, and a click on
# "修改人物" leads nowhere; "载入存档" is drawn in its normal colour.
shot before.png
load=$(darkest before.png 55 234 180 254)
darker "$load" "$(darkest before.png 55 264 180 284)" || fail "保存 is not drawn disabled"
darker "$load" "$(darkest before.png 55 324 180 344)" || fail "修改人物 is not drawn disabled"
click 117 334
sleep 1
expect_page main

# Open through the dialog (an ASCII path typed into it).
click 117 244
choose_in_dialog Open "$(winepath -w "$saves/a.sav")"
wait_status "$(winepath -w "$saves/a.sav")"

# The character page: companion 3 from the list, strength, the first skill, skill points and the
# header flag; then F12.
press c
expect_page character
click 615 339
type_into 168 425 77
type_into 494 207 9
type_into 423 544 321
click 610 88
press F12
wait_same "$saves/a.sav" "$saves/expected1.sav" "F12 after the edits"
cmp -s "$saves/a.sav.bak" "$saves/expected0.sav" || fail "the backup is not the file as it was loaded"

# The game saves again: F12 asks, and the default answer (No) writes nothing.
cp "$saves/expected0.sav" "$saves/a.sav"
touch -d "now + 10 seconds" "$saves/a.sav"
press F12
if probe wait-dialog Quillmark 10000; then
    grep -q "已被其他程序修改" <<<"$(probe dialog Quillmark)" || fail "the question does not say the file changed"
    xdotool key Return
    probe gone-dialog Quillmark 10000 || fail "the question stays open"
else
    fail "no question about the changed file"
fi
sleep 0.5
cmp -s "$saves/a.sav" "$saves/expected0.sav" || fail "No still overwrote the changed file"

# Save As from the main page, then the money on the items page and F12: the new file gets it,
# the first one keeps what the game wrote.
press Escape
expect_page main
click 117 304
choose_in_dialog Save "$(winepath -w "$saves/b.sav")"
wait_same "$saves/b.sav" "$saves/expected1.sav" "Save As"
wait_status "$(winepath -w "$saves/b.sav")"
press i
expect_page items
type_into 688 559 4321
sleep 1
noticed && fail "light where the notice will rise, before saving"
focus_main
xdotool key F12
seen=
for _ in $(seq 40); do # the notice lives 800 ms
    noticed && { seen=1; break; }
done
[ -n "$seen" ] || fail "no notice rising after the save"
wait_same "$saves/b.sav" "$saves/expected2.sav" "F12 after Save As"
cmp -s "$saves/a.sav" "$saves/expected0.sav" || fail "F12 after Save As wrote the first file"
click 300 500 # leaves the money box: while a box takes the typing, C is a character for it
press c
expect_page character
press Escape
expect_page main

# "退出" ends the program at once, without a question.
click 117 394
wait_exit 20
[ "$app_status" = 0 ] || fail "exit code $app_status after 退出"

# A Chinese path on the command line opens like the Open dialog.
mkdir -p "$saves/中文 路径"
cp "$saves/expected0.sav" "$saves/中文 路径/存档.sav"
start_app "$exe" "$(winepath -w "$saves/中文 路径/存档.sav")"
probe wait Quillmark 60000 || fail "no main window for the command-line save"
wait_status "$(winepath -w "$saves/中文 路径/存档.sav")"
press c
expect_page character
close_with_alt_f4

finish
