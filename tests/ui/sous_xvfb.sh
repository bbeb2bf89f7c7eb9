#!/usr/bin/env bash
# Runs a command on a private Xvfb server, for the tests that need a real X11 screen.
set -u
num=120
while [ -e "/tmp/.X${num}-lock" ] || [ -e "/tmp/.X11-unix/X${num}" ]; do num=$((num + 1)); done
Xvfb ":${num}" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${num}" ] && break
    sleep 0.1
done
DISPLAY=":${num}" QT_QPA_PLATFORM=xcb "$@"
