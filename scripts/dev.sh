#!/usr/bin/env bash
# Set-up, build, run and test in one place, so the README's two commands work on a fresh Debian
# machine: `scripts/dev.sh run` opens the editor on the bundled sample data, `scripts/dev.sh test`
# builds and runs every test (unit, GUI, tool, sanitizer and fuzz runs).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libgl-dev libpng-dev zlib1g-dev
          libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
          clang libclang-rt-14-dev clang-format ccache xvfb xauth)

install_dependencies() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# Repeated builds, of this checkout or of another clone of it, compile only what changed.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1

# The test builds stop on any compiler warning; the build for running the editor does not.
build_main() {
    local werror="${1:-OFF}"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGR2_BUILD_BENCH=ON \
        -DGR2_WERROR="$werror" >/dev/null
    cmake --build build -j "$jobs"
}

cmd_run() {
    install_dependencies
    build_main
    # The build writes the sample data beside the executables, where the editor looks by default.
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
        echo "No display found: starting the editor inside a virtual X server (xvfb-run)."
        exec xvfb-run -a build/gr2edit "$@"
    fi
    exec build/gr2edit "$@"
}

cmd_test() {
    install_dependencies
    echo "== style: every C++ file as .clang-format makes it"
    scripts/check-format.sh
    build_main ON
    echo "== unit, GUI and tool tests"
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

    echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGR2_SANITIZE=ON -DGR2_BUILD_GUI=OFF \
        -DGR2_WERROR=ON >/dev/null
    cmake --build build-asan -j "$jobs"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j "$jobs")

    echo "== fuzz targets (bounded runs)"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DGR2_BUILD_FUZZ=ON -DGR2_BUILD_GUI=OFF -DGR2_BUILD_TESTS=OFF -DGR2_BUILD_TOOL=OFF -DGR2_WERROR=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    local seeds="build-fuzz/seeds"
    rm -rf "$seeds"
    build-fuzz/fuzz/make_fuzz_seeds "$seeds"
    local runs="${GR2_FUZZ_RUNS:-20000}"
    # The first sanitizer finding of any kind ends the run as a failure.
    local halt_asan="halt_on_error=1:abort_on_error=1"
    local halt_ubsan="print_stacktrace=1:halt_on_error=1:abort_on_error=1"
    for target in build-fuzz/fuzz/*_fuzz; do
        local name corpus
        name="$(basename "$target" _fuzz)"
        corpus="build-fuzz/corpus/$name"
        mkdir -p "$corpus"
        [[ -d "$seeds/$name" ]] && cp -n "$seeds/$name"/* "$corpus/" 2>/dev/null || true
        # Inputs that once found a fault start every run again.
        [[ -d "fuzz/regressions/$name" ]] && cp -n "fuzz/regressions/$name"/* "$corpus/" 2>/dev/null || true
        echo "-- $name: $runs inputs"
        ASAN_OPTIONS="$halt_asan" UBSAN_OPTIONS="$halt_ubsan" \
            "$target" -runs="$runs" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="build-fuzz/" "$corpus" 2>build-fuzz/$name.log \
            || { tail -40 build-fuzz/$name.log; echo "fuzz target $name found a problem"; exit 1; }
    done

    echo "== every corpus file through the editor's own readers under the sanitizers"
    GR2_CORPUS_DIR="$here/build-fuzz/corpus" ASAN_OPTIONS="detect_leaks=1:$halt_asan" \
        UBSAN_OPTIONS="$halt_ubsan" \
        build-asan/tests/gr2core_tests --gtest_filter='CorpusTest.*'
    echo "All tests passed."
}

case "${1:-}" in
    run) shift; cmd_run "$@" ;;
    test) shift; cmd_test "$@" ;;
    deps) install_dependencies ;;
    *) echo "usage: scripts/dev.sh run|test|deps" >&2; exit 2 ;;
esac
