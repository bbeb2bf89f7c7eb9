#!/usr/bin/env bash
# Builds the GIF fuzz target with clang, ASan and UBSan in build-fuzz-imaging/, then
# fuzzes it for the given number of seconds (default 45) from the committed corpus.
# New inputs go to a scratch folder (or to the folder given second); the corpus is only read.
# Usage: tests/fuzz/fuzz.sh [seconds] [folder for new inputs]
set -euo pipefail
cd "$(dirname "$0")/../.."
duree=${1:-45}
travail=${2:-$(mktemp -d)}
mkdir -p "$travail"
build=build-fuzz-imaging
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
[ -f $build/CMakeCache.txt ] || cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DARMORIANE_FUZZ=ON -DARMORIANE_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=$san -fsanitize=fuzzer-no-link" "-DCMAKE_EXE_LINKER_FLAGS=$san" >/dev/null
cmake --build $build --target fuzz_gif -j2 >/dev/null
journal="$travail.log"
etat=0
"$build/tests/fuzz/fuzz_gif" -max_total_time="$duree" -print_final_stats=1 -rss_limit_mb=2048 \
    "$travail" tests/fuzz/corpus_gif >"$journal" 2>&1 || etat=$?
echo "fuzz_gif: $(grep -o 'number_of_executed_units: [0-9]*' "$journal" | grep -o '[0-9]*') executions in ${duree} s"
if [ "$etat" -ne 0 ]; then
    grep -E "ERROR|SUMMARY|Test unit written|runtime error" "$journal" || tail -n 20 "$journal"
    echo "fuzz_gif: the fuzzer found a failure" >&2
    exit 1
fi
