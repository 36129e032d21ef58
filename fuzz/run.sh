#!/usr/bin/env bash
# Runs each fuzzer of a fuzzing build (-DQM_FUZZ=ON) for SECONDS, seeded with saves from the
# fixture generator and the regression inputs (the model reader's seeds are its regression inputs). A crash stops the run with its input saved as
# BUILD_DIR/fuzz/crash-*; keep such inputs in fuzz/regressions/ once fixed.
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -eu
build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR SECONDS}" && pwd)
seconds=${2:?usage: fuzz/run.sh BUILD_DIR SECONDS}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/LoadSave" "$work/Search" "$work/Obj"
for seed in 1 2 3; do
    "$build/fixtures/quillmark-fixture" sized "$work/LoadSave/seed-$seed.sav" 0 "$seed"
done
cp "$here"/regressions/search/* "$work/Search/"
cp "$here"/regressions/obj/* "$work/Obj/"

run() {
    local name=$1; shift
    echo "== $name: $seconds s"
    # The fuzzer's progress lines go to a log; a crash shows its end, a clean run its totals.
    if ! "$build/fuzz/${name}Fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/" "$@" "$work/$name" "$here/regressions/$(echo "$name" | tr A-Z a-z)" \
        >"$work/$name.log" 2>&1; then
        tail -n 60 "$work/$name.log"
        exit 1
    fi
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|Done)' "$work/$name.log" || true
}
run LoadSave -dict="$here/load.dict" -max_len=65536
run Search -max_len=4096
run Obj -dict="$here/obj.dict" -max_len=16384
