#!/usr/bin/env bash
# Builds quillmark.exe and starts it under Wine. With a screen (DISPLAY set) the program stays
# open until it is closed; without one it runs inside Xvfb, leaves BUILD_DIR/screenshot.png once
# the first frame is shown, and closes the program again.
# Usage: src/app/run-program.sh [BUILD_DIR]   (default build/win)
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mkdir -p "${1:-$top/build/win}" && cd "${1:-$top/build/win}" && pwd)
exe=$build/src/app/quillmark.exe
probe=$build/tests/app/qm-window-probe.exe

if [ "${2:-}" = --screenshot ]; then
    # Inside scripts/winenv.sh: Xvfb and a test prefix are ready.
    export WINEDEBUG=-all
    wine "$exe" >"$build/quillmark.log" 2>&1 &
    app=$!
    wine "$probe" wait Quillmark 60000
    # The view's centre is black before the window is drawn and white (the window colour) until
    # the first frame.
    for _ in $(seq 60); do
        import -window root "$build/screenshot.png"
        case $(convert "$build/screenshot.png" -format '%[pixel:p{505,457}]' info:) in
        "srgb(0,0,0)" | "srgb(255,255,255)") sleep 0.5 ;;
        *) break ;;
        esac
    done
    xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)" key alt+F4
    wait "$app" || true
    echo "screenshot: $build/screenshot.png"
    exit 0
fi

cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build" -j 2 --target quillmark qm-window-probe
if [ -n "${DISPLAY:-}" ]; then
    exec "$top/scripts/winenv.sh" env WINEDEBUG=-all wine "$exe"
fi
exec "$top/scripts/winenv.sh" bash "$0" "$build" --screenshot
