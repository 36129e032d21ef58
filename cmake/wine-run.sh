#!/usr/bin/env bash
# Runs a Windows test executable under Wine in the prefix that tests/wine/make-prefix.sh made.
# ctest calls this as the cross-compiling emulator: wine-run.sh program.exe [args...]
set -u
if [ -z "${WINEPREFIX:-}" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-run.sh: WINEPREFIX must name a prefix made by tests/wine/make-prefix.sh" >&2
    exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: DISPLAY is not set (start Xvfb first, or use scripts/test.sh)" >&2
    exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
