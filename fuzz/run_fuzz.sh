#!/bin/sh
# Builds the fuzz targets with clang and runs the diary reader's target.
#   fuzz/run_fuzz.sh BUILD_DIR [SECONDS]     (SECONDS defaults to 30)
# The seed corpus is copied into BUILD_DIR, so inputs the fuzzer finds stay
# out of the source tree; a crashing input is saved in BUILD_DIR too.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
build_dir=$1
seconds=${2:-30}
fuzz_dir=$(cd "$(dirname "$0")" && pwd)

CXX=${CXX:-clang++} cmake -S "$fuzz_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --target fuzz_diary_reader

build_dir=$(cd "$build_dir" && pwd)
corpus="$build_dir/corpus/diary"
mkdir -p "$corpus"
cp "$fuzz_dir"/corpus/diary/* "$corpus"/

"$build_dir/fuzz_diary_reader" -max_len=4096 -max_total_time="$seconds" -artifact_prefix="$build_dir/" "$corpus"
