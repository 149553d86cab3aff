#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Tonalink.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang-format clang-tidy clang libclang-rt-14-dev ccache
    qt6-base-dev qt6-serialport-dev libgl-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev strace
    liblinphone-dev linphone-cli kamailio iproute2
    libsqlite3-dev libnet-snpp-perl hylafax-client
    multimon-ng xvfb xauth xdotool x11-apps imagemagick fonts-noto-cjk
    lintian appstream desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
