#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan in build-fuzz/,
# then fuzzes each for the given number of seconds (default 20) from its corpus.
# Usage: tools/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-20}
shift || true
cibles=("$@")
[ ${#cibles[@]} -gt 0 ] || cibles=(fuzz_charger_liste fuzz_ref_ecu)
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
[ -f build-fuzz/CMakeCache.txt ] || cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DARMORIANE_FUZZ=ON -DARMORIANE_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=$san -fsanitize=fuzzer-no-link" "-DCMAKE_EXE_LINKER_FLAGS=$san" >/dev/null
cmake --build build-fuzz --target "${cibles[@]}" >/dev/null
for c in "${cibles[@]}"; do
    bin=$(find build-fuzz/tests -type f -name "$c" -perm -u+x | head -n 1)
    corpus=$(sed -n "s|^armo_fuzz($c [^ ]* \"\${CMAKE_CURRENT_SOURCE_DIR}/\([^\"]*\)\")|\1|p" tests/*/CMakeLists.txt | head -n 1)
    dossier=$(dirname "$(grep -l "armo_fuzz($c " tests/*/CMakeLists.txt | head -n 1)")/$corpus
    travail=$(mktemp -d)
    # New inputs go to a scratch folder; the committed corpus is only read.
    etat=0
    "$bin" -max_total_time="$duree" -print_final_stats=1 "$travail" "$dossier" >"$travail.log" 2>&1 || etat=$?
    echo "$c: $(grep -o 'number_of_executed_units: [0-9]*' "$travail.log" | grep -o '[0-9]*') executions in ${duree} s"
    if [ "$etat" -ne 0 ]; then
        grep -E "ERROR|SUMMARY|Test unit written" "$travail.log" || tail -n 20 "$travail.log"
        echo "$c: the fuzzer found a failure" >&2
        exit 1
    fi
    rm -rf "$travail" "$travail.log"
done
