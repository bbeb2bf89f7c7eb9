#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/paquets.sh
bash tools/construire.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --no-tests=error -j2
# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
bash tools/sanitiser.sh
bash tools/fuzz.sh 45 fuzz_gif
