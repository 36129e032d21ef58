#!/usr/bin/env bash
# Sets up the machine, builds the editor and opens the bundled demo save in it under Wine.
# Without a screen (no DISPLAY) it runs inside Xvfb and leaves build/win/screenshot.png.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
cmake -S . -B build/native >/dev/null
cmake --build build/native -j "$(nproc)" --target quillmark-cli quillmark-fixture
build/native/fixtures/quillmark-fixture demo build/demo.sav
build/native/src/tool/quillmark-cli show build/demo.sav
