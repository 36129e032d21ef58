#!/usr/bin/env bash
# Sets up the machine, makes the bundled demo save and shows its characters with quillmark-cli,
# then builds the editor and opens the demo save in it under Wine. Without a screen (no DISPLAY)
# the editor runs inside Xvfb and leaves screenshots of its three pages in build/win.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
cmake -S . -B build/native >/dev/null
cmake --build build/native -j "$(nproc)" --target quillmark-cli quillmark-fixture
build/native/fixtures/quillmark-fixture demo build/demo.sav
build/native/src/tool/quillmark-cli show build/demo.sav
bash src/app/run-program.sh build/win build/demo.sav
