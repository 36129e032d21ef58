#!/usr/bin/env bash
# Tests of the release zip as a player gets it. Needs DISPLAY and WINEPREFIX for the Wine steps
# (scripts/winenv.sh gives both).
# Usage: package-test.sh build    BUILD_DIR WORK_DIR
#        package-test.sh contents WORK_DIR VERSION PROBE_EXE
#        package-test.sh start    WORK_DIR VERSION PROBE_EXE FIXTURE_EXE
#   build     runs CPack on the Windows build into WORK_DIR
#   contents  the zip's exact list of files, the guide's and licence's bytes, the names' UTF-8
#             flag, and the version resource of both executables
#   start     unzipped into a folder whose path has spaces and Chinese characters, the program is
#             started from elsewhere with a save on its command line; it loads it, F12 saves it
#             unchanged with a backup, an edited strength is saved alone, and the packaged
#             quillmark-cli edits the save too
set -u
export LANG=C.UTF-8 WINEDEBUG=-all
mode=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

if [ "$mode" = build ]; then
    build=$2 work=$3
    rm -rf "$work"
    mkdir -p "$work"
    cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack failed"; }
    finish
fi

work=$2 version=$3 probe=$4
folder=quillmark-$version-win64
zip=$work/$folder.zip
[ -f "$zip" ] || { fail "no $zip"; finish; }
value() { sed -n "s/^$1=//p" <<<"$2" | head -1; }

# The file list of the zip, one path a line, directories left out, sorted.
zip_files() { python3 -c 'import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(i.filename) if not i.is_dir() else None' "$zip" | sort; }

check_file_list() {
    local expected actual unexpected
    expected=$(printf '%s\n' "$folder/LICENSE.txt" "$folder/quillmark-cli.exe" "$folder/quillmark.exe" \
        "$folder/使用说明.txt" | sort)
    actual=$(zip_files)
    # The model's files are the only others: its OBJ and material library and the DDS textures.
    for name in meshes/pitch_fork.obj meshes/pitch_fork; do
        grep -qxF "$folder/$name" <<<"$actual" || fail "the zip has no $name"
    done
    grep -qx "$folder/textures/[^/]*\.dds" <<<"$actual" || fail "the zip has no textures/*.dds"
    actual=$(grep -vx -e "$folder/meshes/pitch_fork\(\.obj\)\?" -e "$folder/textures/[^/]*\.dds" <<<"$actual")
    [ "$actual" = "$expected" ] || fail "files in the zip:"$'\n'"$actual"$'\n'"expected:"$'\n'"$expected"
    # unzip -l must list the same: one folder, no stray paths.
    unexpected=$(unzip -Z1 "$zip" | grep -v "^$folder/")
    [ -z "$unexpected" ] || fail "entries outside $folder/: $unexpected"
}

# Windows' own unzip reads a name as UTF-8 only when the entry says so (flag bit 11); otherwise
# the guide's name comes out garbled in the local code page.
check_utf8_names() {
    python3 -c 'import sys, zipfile
bad = [i.filename for i in zipfile.ZipFile(sys.argv[1]).infolist()
       if not i.filename.isascii() and not i.flag_bits & 0x800]
sys.exit("names without the UTF-8 flag: %s" % bad if bad else 0)' "$zip" || fail "UTF-8 flag of the names"
}

# Notepad of every Windows version shows the texts: a UTF-8 byte order mark (guide) and CRLF only.
check_texts() {
    python3 -c 'import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
for name, bom in ((sys.argv[2] + "/使用说明.txt", True), (sys.argv[2] + "/LICENSE.txt", False)):
    data = z.read(name)
    if bom and not data.startswith(b"\xef\xbb\xbf"):
        sys.exit(name + ": no byte order mark")
    data.decode("utf-8")
    if data.count(b"\n") != data.count(b"\r\n") or data.count(b"\r") != data.count(b"\r\n"):
        sys.exit(name + ": line ends other than CRLF")
    if len(data) < 1000:
        sys.exit(name + ": too short")' "$zip" "$folder" || fail "guide or licence bytes"
}

# The version resource as Explorer reads it.
check_version() { # EXE DESCRIPTION ORIGINAL-NAME
    local info
    info=$(wine "$probe" "$(winepath -w "$1")" | tr -d '\r')
    local -A want=([fixed.file]=$version.0 [fixed.product]=$version.0 [translation]=080404b0
        [ProductName]=Quillmark [FileDescription]=$2 [FileVersion]=$version [ProductVersion]=$version
        [OriginalFilename]=$3 [LegalCopyright]="Copyright (c) 2026 the Quillmark authors")
    for key in "${!want[@]}"; do
        [ "$(value "$key" "$info")" = "${want[$key]}" ] ||
            fail "$3: $key is '$(value "$key" "$info")', expected '${want[$key]}'"
    done
}

wait_for() { # SECONDS COMMAND...: polls COMMAND every 0.2 s until it succeeds
    local tries=$(($1 * 5))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
status_shows() { [ "$(value statusbar.text "$(wine "$probe" frame | tr -d '\r')")" = "$1" ]; }
exists() { [ -e "$1" ]; }

# The model on the items page, with the program started from another directory: the stage left
# of the item grid changes between two screenshots a second apart (the pitch fork turns; nothing
# else there moves). Esc goes back to the main page.
check_model_on_items_page() {
    [ -f "$installed/meshes/pitch_fork.obj" ] || fail "no meshes/pitch_fork.obj beside quillmark.exe"
    local vl vt crop changed
    IFS=, read -r vl vt _ _ <<<"$(value view "$(wine "$probe" frame | tr -d '\r')")"
    crop=520x560+$((vl + 2))+$((vt + 2 + 40))
    xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)"
    xdotool key i
    sleep 3 # frames come slowly on a busy machine
    import -window root -crop "$crop" +repage "$work/items-1.png"
    sleep 1
    import -window root -crop "$crop" +repage "$work/items-2.png"
    changed=$(compare -metric AE -fuzz 2% "$work/items-1.png" "$work/items-2.png" null: 2>&1)
    [ "${changed%%.*}" -gt 500 ] 2>/dev/null || fail "nothing turns on the items page ($changed pixels changed)"
    xdotool key Escape
    sleep 1
}

# strength_of INDEX [offset]: the strength (or the record's offset) of character INDEX in 存档.sav,
# as the packaged tool reads it.
strength_of() {
    (cd "$elsewhere" && wine "$installed/quillmark-cli.exe" show 存档.sav --json) | python3 -c 'import json, sys
print(json.load(sys.stdin)["characters"][int(sys.argv[1])][sys.argv[2]])' "$1" "${2:-strength}"
}

strength_is() { [ "$(strength_of "$1")" = "$2" ]; }

# check_only_strength_changed INDEX VALUE: the packaged tool reads VALUE as the strength of
# character INDEX in 存档.sav, and no byte outside that field (the record's first four) differs
# from original.sav.
check_only_strength_changed() {
    local strength offset
    strength=$(strength_of "$1")
    offset=$(strength_of "$1" offset)
    [ "$strength" = "$2" ] || fail "character $1's strength is '$strength', expected $2"
    python3 -c 'import sys
a, b = (open(p, "rb").read() for p in sys.argv[1:3])
start = int(sys.argv[3])
other = [i for i in range(len(a)) if a[i] != b[i] and not start <= i < start + 4]
if len(a) != len(b) or other:
    sys.exit("size %d, was %d; other bytes changed: %s" % (len(b), len(a), other[:8]))' \
        "$work/original.sav" "$elsewhere/存档.sav" "$offset" || fail "character $1's edit changed other bytes"
}

run_start_checks() {
    local root="$work/安装 目录/Quill mark 测试" elsewhere="$work/存档 目录"
    rm -rf "$work/安装 目录" "$elsewhere"
    mkdir -p "$root" "$elsewhere"
    unzip -q "$zip" -d "$root" || { fail "unzip"; return; }
    installed=$root/$folder

    # A synthetic save under a Chinese name; the generator takes an ASCII path only.
    (cd "$elsewhere" && wine "$fixture" demo demo.sav) || { fail "fixture"; return; }
    mv "$elsewhere/demo.sav" "$elsewhere/存档.sav"
    cp "$elsewhere/存档.sav" "$work/original.sav"
    local save_win
    save_win=$(winepath -w "$elsewhere/存档.sav")

    # Started as `quillmark.exe 存档.sav` from the save's folder: the program's own folder is not
    # the current directory, and the argument is relative to the current one.
    (cd "$elsewhere" && exec wine "$installed/quillmark.exe" 存档.sav) >"$work/app.log" 2>&1 &
    local app_pid=$!
    wine "$probe" wait Quillmark 60000 >/dev/null || { fail "no main window"; kill $app_pid; return; }
    wait_for 30 status_shows "$save_win" ||
        fail "status bar shows '$(value statusbar.text "$(wine "$probe" frame | tr -d '\r')")', expected '$save_win'"

    check_model_on_items_page

    # F12 right after the load writes the same bytes and keeps the original in 存档.sav.bak.
    xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)"
    xdotool key F12
    wait_for 20 exists "$elsewhere/存档.sav.bak" || fail "F12 wrote no 存档.sav.bak"
    cmp "$work/original.sav" "$elsewhere/存档.sav.bak" || fail "the backup differs from the original"
    cmp "$work/original.sav" "$elsewhere/存档.sav" || fail "F12 changed the save"

    # An edit on the character page: the player's strength box (canvas 120, 418 plus the 19-pixel
    # origin, inside the view's 2-pixel client edge) is cleared and gets 7, Esc collects it, F12
    # writes it. The program reads the button and typed characters once per frame, and a busy
    # machine can take longer than the pauses here for a frame: then a click or a character is
    # lost, and the whole edit, which gives the same result however often it is repeated, runs
    # again.
    local vl vt vr vb attempt
    IFS=, read -r vl vt vr vb <<<"$(value view "$(wine "$probe" frame | tr -d '\r')")"
    [ "$(strength_of 0)" != 7 ] || fail "the fixture's player already has strength 7"
    for attempt in 1 2 3 4 5; do
        xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)"
        xdotool key --delay 500 Escape c
        xdotool mousemove $((vl + 2 + 160)) $((vt + 2 + 418 + 19 + 7)) mousedown 1
        sleep 0.5
        xdotool mouseup 1
        sleep 0.5
        xdotool key --delay 300 $(printf 'BackSpace %.0s' $(seq 11)) 7
        xdotool key --delay 500 Escape F12
        wait_for 5 strength_is 0 7 && break
        echo "the edit did not arrive (attempt $attempt)"
    done
    check_only_strength_changed 0 7
    cmp "$work/original.sav" "$elsewhere/存档.sav.bak" || fail "a later save replaced the backup"

    xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)"
    xdotool key alt+F4
    wait_for 20 eval '! kill -0 $app_pid 2>/dev/null' || { fail "the program did not end"; kill $app_pid; }

    # The packaged tool edits the same save, started from elsewhere too.
    local cli="$installed/quillmark-cli.exe"
    cp "$work/original.sav" "$elsewhere/存档.sav"
    (cd "$elsewhere" && wine "$cli" set 存档.sav --character 雅米拉 --strength 21 --no-backup) >"$work/cli.log" 2>&1 ||
        fail "quillmark-cli set: $(cat "$work/cli.log")"
    check_only_strength_changed 2 21
    [ "$(wine "$cli" --version | tr -d '\r')" = "quillmark-cli $version" ] || fail "quillmark-cli --version"
}

case $mode in
contents)
    check_file_list
    check_utf8_names
    check_texts
    unpacked=$work/contents
    rm -rf "$unpacked"
    unzip -q "$zip" -d "$unpacked" || fail "unzip"
    check_version "$unpacked/$folder/quillmark.exe" "Quillmark 存档编辑器" quillmark.exe
    check_version "$unpacked/$folder/quillmark-cli.exe" "Quillmark 存档命令行工具" quillmark-cli.exe
    ;;
start)
    fixture=$5
    run_start_checks
    ;;
*)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
finish
