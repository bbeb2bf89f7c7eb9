#!/usr/bin/env bash
# Installs what is missing, builds, and starts ARMORIANE. Without a display it
# runs the program under Xvfb, saves a screenshot and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/paquets.sh
bash tools/construire.sh >/dev/null
programme=build/app/armoriane
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    exec "$programme"
fi
ecran=$(pwd)/build/armoriane-ecran.png
num=97
while [ -e /tmp/.X${num}-lock ]; do num=$((num + 1)); done
Xvfb ":$num" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$prog" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=":$num" "$programme" &
prog=$!
sleep 4
DISPLAY=":$num" import -window root "$ecran"
echo "No display here: ARMORIANE ran under Xvfb; screenshot saved to $ecran"
