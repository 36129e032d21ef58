#!/usr/bin/env bash
# Sets up the machine and runs every test: native (plain and ASan + UBSan), a short fuzzing
# smoke run, and the Windows build with its tests under Wine inside Xvfb.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
jobs=$(nproc)

step() { printf "\n== %s (%s) ==\n" "$*" "$(date +%T)"; }

step "native build and tests"
cmake -S . -B build/native -DQM_BENCH=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

step "native tests under AddressSanitizer and UBSan"
cmake -S . -B build/asan -DQM_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

step "fuzzing smoke run"
CXX=clang++ cmake -S . -B build/fuzz -DQM_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs" --target fuzz-targets
bash fuzz/run.sh build/fuzz 20

step "Windows build and tests under Wine"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win -j "$jobs"
scripts/winenv.sh ctest --test-dir build/win --output-on-failure
