#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless, twice:
#   build/       RelWithDebInfo with the benchmarks: unit and window tests on
#                Qt's offscreen platform, the end-to-end test of build/tolvik
#                under Xvfb, a short fuzzing run of each file reader, and one
#                token run of each benchmark;
#   build-asan/  everything built with AddressSanitizer and UBSan, the same
#                tests again (the fuzzer, sanitized on its own, left out).
# Prints the time of each stage; the last lines are CTest's summary of each
# build, and the status fails when any test did.
set -euo pipefail
cd "$(dirname "$0")/.."

# Two at a time, as on CI's two cores; TOLVIK_JOBS=N to change it.
jobs=${TOLVIK_JOBS:-2}
configure_flags=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    # Also picked up by the fuzz targets' own configure.
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
if [ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    configure_flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
fi

# A stage that fails stops the script, except a test run: the other build's
# tests still run, and the script fails at its end.
times=()
failed_runs=()
stage() { # name, then the command
    local name=$1 start=$SECONDS status=0
    shift
    echo "== $name"
    "$@" || status=$?
    times+=("$(printf '%-12s %5d s' "$name" $((SECONDS - start)))")
    echo "== $name: $((SECONDS - start)) s"
    return "$status"
}

build_in() { # build dir, then extra configure flags
    local dir=$1
    shift
    cmake -S . -B "$dir" "${configure_flags[@]}" "$@" && cmake --build "$dir" -j "$jobs"
}

run_tests() { # build dir
    (cd "$1" && ctest -j "$jobs" --output-on-failure 2>&1 | tee ctest.log)
}

summary_of() { # build dir
    echo "$1: $(grep -E 'tests passed' "$1/ctest.log" | tail -n 1 || echo 'no summary: CTest did not finish')"
}

stage deps scripts/install-deps.sh
stage build build_in build -DTOLVIK_SANITIZE=OFF -DTOLVIK_BUILD_BENCH=ON
stage tests run_tests build || failed_runs+=(build)
stage "asan build" build_in build-asan -DTOLVIK_SANITIZE=ON -DTOLVIK_BUILD_BENCH=OFF
stage "asan tests" run_tests build-asan || failed_runs+=(build-asan)

echo "== stage times"
printf '%s\n' "${times[@]}"
printf '%-12s %5d s\n' total "$SECONDS"
summary_of build
summary_of build-asan
[ ${#failed_runs[@]} -eq 0 ]
