#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan in build-fuzz/,
# then fuzzes each for the given number of seconds (default 20) from its committed corpus.
# New inputs go to a scratch folder (FUZZ_NOUVEAUX names one to keep them); the corpus is
# only read. FUZZ_RSS_MB raises the resident-memory limit for long runs (default 2048).
# Usage: tools/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-20}
shift || true
cibles=("$@")
[ ${#cibles[@]} -gt 0 ] || cibles=(fuzz_gif fuzz_charger_liste fuzz_ref_ecu)
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
[ -f build-fuzz/CMakeCache.txt ] || cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DARMORIANE_FUZZ=ON -DARMORIANE_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=$san -fsanitize=fuzzer-no-link" "-DCMAKE_EXE_LINKER_FLAGS=$san" >/dev/null
cmake --build build-fuzz --target "${cibles[@]}" -j2 >/dev/null
for c in "${cibles[@]}"; do
    bin=$(find build-fuzz/tests -type f -name "$c" -perm -u+x | head -n 1)
    liste=$(grep -l "armo_fuzz($c " tests/*/CMakeLists.txt | head -n 1)
    corpus=$(dirname "$liste")/$(sed -n "s|^armo_fuzz($c [^ ]* \"\${CMAKE_CURRENT_SOURCE_DIR}/\([^\"]*\)\")|\1|p" "$liste")
    travail=${FUZZ_NOUVEAUX:-$(mktemp -d)}
    mkdir -p "$travail"
    journal=$(mktemp)
    etat=0
    "$bin" -max_total_time="$duree" -print_final_stats=1 -rss_limit_mb="${FUZZ_RSS_MB:-2048}" \
        "$travail" "$corpus" >"$journal" 2>&1 || etat=$?
    echo "$c: $(grep -o 'number_of_executed_units: [0-9]*' "$journal" | grep -o '[0-9]*') executions in ${duree} s," \
        "peak RSS $(grep -o 'peak_rss_mb: *[0-9]*' "$journal" | grep -o '[0-9]*$') MB"
    if [ "$etat" -ne 0 ]; then
        grep -E "ERROR|SUMMARY|Test unit written|runtime error" "$journal" || tail -n 20 "$journal"
        echo "$c: the fuzzer found a failure (log: $journal)" >&2
        exit 1
    fi
    rm -f "$journal"
    [ -n "${FUZZ_NOUVEAUX:-}" ] || rm -rf "$travail"
done
