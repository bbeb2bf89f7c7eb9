#!/usr/bin/env bash
# Installs the Debian packages this project needs that the machine lacks; quiet when none is missing.
set -euo pipefail
paquets=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libjpeg62-turbo-dev fonts-wine
    libgtest-dev libgmock-dev libbenchmark-dev libgif-dev libstb-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth x11-apps imagemagick xdotool
    desktop-file-utils appstream dpkg-dev
)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installing: ${manquants[*]}"
sudo_=()
[ "$(id -u)" -eq 0 ] || sudo_=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_[@]}" apt-get update -qq
"${sudo_[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
