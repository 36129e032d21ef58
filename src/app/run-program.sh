#!/usr/bin/env bash
# Builds quillmark.exe and starts it under Wine, on SAVE when one is given. With a screen (DISPLAY
# set) the program stays open until it is closed; without one it runs inside Xvfb, leaves
# screenshots of its three pages in BUILD_DIR (screenshot-main.png, screenshot-character.png,
# screenshot-items.png) once real frames are shown, and closes the program again.
# Usage: src/app/run-program.sh [BUILD_DIR [SAVE]]   (default build/win)
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$top/build/win}" && cd "${1:-$top/build/win}" && pwd)
save=${2:+$(cd "$(dirname "$2")" && pwd)/$(basename "$2")}
exe=$build/src/app/quillmark.exe
probe=$build/tests/app/qm-window-probe.exe
export LANG=C.UTF-8 # Wine converts command-line arguments by the Unix locale

if [ "${3:-}" = --screenshot ]; then
    # Inside scripts/winenv.sh: Xvfb and a test prefix are ready.
    export WINEDEBUG=-all
    args=()
    [ -n "$save" ] && args=("$(winepath -w "$save")")
    wine "$exe" "${args[@]}" >"$build/quillmark.log" 2>&1 &
    app=$!
    # The first start on a fresh machine makes the Wine prefix and can take minutes.
    wine "$probe" wait Quillmark 600000
    window=$(xdotool search --name '^Quillmark$' | head -1)
    # A real frame is there when the view's centre is neither black (not drawn yet) nor white
    # (the window colour before the first frame), and the save's path is in the status bar.
    shot() { # NAME
        local file=$build/screenshot-$1.png
        for _ in $(seq 600); do
            import -window root "$file"
            case $(convert "$file" -format '%[pixel:p{505,457}]' info:) in
            "srgb(0,0,0)" | "srgb(255,255,255)") sleep 0.5 ;;
            *) break ;;
            esac
        done
        echo "screenshot: $file"
    }
    if [ -n "$save" ]; then
        for _ in $(seq 600); do
            wine "$probe" frame | tr -d '\r' | grep -qxF "statusbar.text=$(winepath -w "$save")" && break
            sleep 0.5
        done
    fi
    sleep 1
    shot main
    if [ -n "$save" ]; then
        xdotool windowfocus --sync "$window" key c
        sleep 1
        shot character
        xdotool key i
        sleep 1
        shot items
    fi
    xdotool windowfocus --sync "$window" key alt+F4
    wait "$app" || true
    exit 0
fi

cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build" -j 2 --target quillmark qm-window-probe
if [ -n "${DISPLAY:-}" ]; then
    exec "$top/scripts/winenv.sh" bash -c 'WINEDEBUG=-all wine "$0" ${1:+"$(winepath -w "$1")"}' "$exe" "$save"
fi
exec "$top/scripts/winenv.sh" bash "$0" "$build" "$save" --screenshot
