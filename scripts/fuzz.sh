#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for the given number of seconds
# (default 60), starting from its seed corpus. New inputs that the engine
# finds go to build-fuzz/corpus/<target>; an input that breaks something is
# saved as build-fuzz/artifacts/<target>-crash-* and fails the run.
#
#   scripts/fuzz.sh            one minute per target (what CI runs)
#   scripts/fuzz.sh 3600       an hour per target
#   scripts/fuzz.sh 1800 pgpack   half an hour for the targets whose name holds "pgpack"
#
# FUZZ_FLAGS adds libFuzzer flags, e.g. FUZZ_FLAGS="-runs=1000000 -max_len=512"
# to stop at a million inputs of at most 512 bytes.
set -euo pipefail
seconds=${1:-60}
only=${2:-}
read -r -a flags <<<"${FUZZ_FLAGS:-}"
cd "$(dirname "$0")/.."
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELAGOR_FUZZ=ON -DPELAGOR_SANITIZE=ON -DPELAGOR_GUI=OFF -DPELAGOR_TESTS=OFF -DPELAGOR_BENCH=OFF >/dev/null
cmake --build "$build"
mkdir -p "$build/artifacts"
status=0
for program in $(find "$build/fuzz" -maxdepth 2 -type f -name 'fuzz_*' -perm -u+x | sort); do
    name=$(basename "$program")             # fuzz_<program>_<target>
    [[ -z "$only" || "$name" == *"$only"* ]] || continue
    owner=${name#fuzz_}; owner=${owner%%_*}
    target=${name#fuzz_${owner}_}
    seeds="fuzz/$owner/corpus/$target"
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "== $name: $seconds s"
    if ! QT_QPA_PLATFORM=offscreen "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
        "${flags[@]}" -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "$work" "$seeds" \
        >"$build/$name.log" 2>&1; then
        echo "$name failed; see $build/$name.log and $build/artifacts/"
        tail -30 "$build/$name.log"
        status=1
    fi
    grep -E 'DONE|stat::number_of_executed_units' "$build/$name.log" || true
done
exit $status
