#!/usr/bin/env bash
# Tries the Debian package on a clean Debian 12: builds the .deb, installs it
# with apt into a fresh minimal bookworm chroot, so that its dependencies come
# from the mirror alone, checks that the program and Qt's X11 plugin find every
# library they link, then starts /usr/bin/armoriane under Xvfb inside the
# chroot, saves a screenshot into the build folder and checks that the window
# appeared.
#
#   sudo bash tools/essai_paquet.sh [build folder]      (default: build)
#
# A developer tool: it needs root and the network, and CI does not run it. The
# debootstrap result and the downloaded packages are kept under
# /var/tmp/armoriane-chroot-base and /var/tmp/armoriane-chroot-apt, so a rerun
# starts from the same clean base without downloading it again; every run
# installs into a new copy of that base, removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
construction=$(realpath "${1:-build}")
miroir=http://deb.debian.org/debian
base=/var/tmp/armoriane-chroot-base
archives=/var/tmp/armoriane-chroot-apt
racine=/var/tmp/armoriane-chroot-essai.$$
ecran="$construction/armoriane-paquet-ecran.png"
debut=$(date +%s)

[ "$(id -u)" -eq 0 ] || { echo "essai_paquet.sh: run as root (chroot, mounts)" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "essai_paquet.sh: debootstrap is missing (apt-get install debootstrap)" >&2; exit 1; }
bash tools/paquets.sh

echo "== Building the package in $construction"
cmake --build "$construction" >/dev/null
rm -f "$construction"/armoriane_*.deb
(cd "$construction" && cpack -G DEB >/dev/null)
paquet=$(ls "$construction"/armoriane_*.deb)
dpkg-deb -f "$paquet" Package Version Depends

if [ ! -e "$base/.complet" ]; then
    echo "== Bootstrapping Debian 12 into $base (once)"
    rm -rf "$base"
    debootstrap --variant=minbase bookworm "$base" "$miroir" >/dev/null
    touch "$base/.complet"
fi

montes=()
nettoyer() {
    local i
    for ((i = ${#montes[@]} - 1; i >= 0; i--)); do umount -R -l "${montes[$i]}" 2>/dev/null || true; done
    # Never remove a tree that still reaches the host's /dev.
    if grep -q " $racine" /proc/mounts; then
        echo "essai_paquet.sh: mounts remain under $racine; not removed" >&2
    else
        rm -rf "$racine"
    fi
}
trap nettoyer EXIT
monter() { # <mount arguments...> <target>
    mount "$@"
    montes+=("${!#}")
}

echo "== A fresh copy of the base in $racine"
cp -a "$base" "$racine"
cp /etc/resolv.conf "$racine/etc/resolv.conf"
# No service starts inside the chroot.
printf '#!/bin/sh\nexit 101\n' >"$racine/usr/sbin/policy-rc.d"
chmod +x "$racine/usr/sbin/policy-rc.d"
mkdir -p "$archives/partial"
monter -t proc proc "$racine/proc"
monter --rbind /dev "$racine/dev"
mount --make-rslave "$racine/dev"
monter -t tmpfs tmpfs "$racine/tmp"
monter --bind "$archives" "$racine/var/cache/apt/archives"
dedans() { chroot "$racine" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

echo "== Installing the package with apt"
cp "$paquet" "$racine/tmp/"
dedans apt-get update -qq
dedans apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$paquet")" >/dev/null
dedans dpkg -s armoriane | grep -E '^(Status|Version):'

# Before the display tools bring libraries of their own: everything the
# program and the X11 plugin link must have come with the package.
plugin=/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so
for f in /usr/bin/armoriane "$plugin"; do
    if dedans ldd "$f" | grep 'not found'; then
        echo "essai_paquet.sh: $f lacks libraries on a clean system" >&2
        exit 1
    fi
done
echo "program and X11 plugin: every library found"

echo "== Starting armoriane under Xvfb in the chroot"
dedans apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils imagemagick >/dev/null
cat >"$racine/tmp/essai.sh" <<'EOF'
#!/bin/sh
Xvfb :97 -screen 0 1280x800x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
sleep 2
export DISPLAY=:97 XDG_RUNTIME_DIR=/tmp/run
mkdir -p -m 700 /tmp/run
/usr/bin/armoriane >/tmp/armoriane.log 2>&1 &
programme=$!
trouve=non
for i in $(seq 1 30); do
    sleep 1
    if xwininfo -root -tree | grep -q '"ARMORIANE'; then trouve=oui; break; fi
done
sleep 2
xwininfo -root -tree | grep '"ARMORIANE' || true
import -window root /tmp/ecran.png
couleurs=$(identify -format '%k' /tmp/ecran.png)
echo "screenshot colours: $couleurs"
vivant=oui
kill -0 "$programme" 2>/dev/null || vivant=non
echo "program still running: $vivant"
[ -s /tmp/armoriane.log ] && { echo "program output:"; cat /tmp/armoriane.log; }
kill "$programme" 2>/dev/null
kill "$xvfb" 2>/dev/null
[ "$trouve" = oui ] && [ "$vivant" = oui ] && [ "$couleurs" -gt 1 ]
EOF
statut=0
dedans sh /tmp/essai.sh || statut=$?
cp "$racine/tmp/ecran.png" "$ecran" 2>/dev/null || true
echo "screenshot: $ecran"
echo "time: $(($(date +%s) - debut)) s"
if [ "$statut" -ne 0 ]; then
    echo "essai_paquet.sh: the window did not appear" >&2
    exit 1
fi
echo "essai_paquet.sh: the package installs and runs on a clean Debian 12"
