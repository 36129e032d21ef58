#!/usr/bin/env bash
# Runs a command with a display and a test Wine prefix: starts Xvfb when DISPLAY is unset and
# makes a throw-away prefix when WINEPREFIX is unset; both go away when the command ends.
# Usage: scripts/winenv.sh COMMAND [ARGS...]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
cleanup() {
    [ -n "${own_prefix:-}" ] && { WINEPREFIX=$own_prefix wineserver -k 2>/dev/null; rm -rf "$own_prefix"; }
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 140); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$n
        break
    done
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
fi
if [ -z "${WINEPREFIX:-}" ]; then
    own_prefix=$(mktemp -d /tmp/qm-wine.XXXXXX)
    export WINEPREFIX=$("$top/tests/wine/make-prefix.sh" "$own_prefix")
fi
"$@"
