#!/bin/sh
# Builds a fuzz target with clang and runs it on its seed corpus.
#   fuzz/run_fuzz.sh BUILD_DIR [SECONDS] [CORPUS]
# SECONDS defaults to 30. CORPUS names the reader: diary (the default),
# phonebook, options or note.
# The seed corpus is copied into BUILD_DIR, so inputs the fuzzer finds stay
# out of the source tree; a crashing input is saved in BUILD_DIR too.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS] [diary|phonebook|options|note]" >&2
    exit 2
fi
build_dir=$1
seconds=${2:-30}
name=${3:-diary}
case $name in
diary) target=fuzz_diary_reader ;;
phonebook) target=fuzz_phonebook_reader ;;
options) target=fuzz_options_reader ;;
note) target=fuzz_note_loader ;;
*)
    echo "unknown corpus: $name" >&2
    exit 2
    ;;
esac
fuzz_dir=$(cd "$(dirname "$0")" && pwd)

CXX=${CXX:-clang++} cmake -S "$fuzz_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --target "$target"

build_dir=$(cd "$build_dir" && pwd)
corpus="$build_dir/corpus/$name"
mkdir -p "$corpus"
cp "$fuzz_dir"/corpus/"$name"/* "$corpus"/

"$build_dir/$target" -max_len=4096 -max_total_time="$seconds" -artifact_prefix="$build_dir/$name-" "$corpus"
