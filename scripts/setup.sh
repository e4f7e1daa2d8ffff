#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12; quick when all is there.
# Both cross toolchains always (both architectures are built on every test run); 32-bit Wine only
# where the kernel runs 32-bit programs.
set -euo pipefail
source "$(dirname "$0")/common.sh"

packages=(cmake make python3 mingw-w64-tools libwine-dev wine wine64 xvfb x11-apps x11-utils imagemagick
          googletest locales fonts-dejavu-core fonts-farsiweb fonts-wine fonts-liberation myspell-fa
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
# Wine's media playback graph decodes through GStreamer of its own architecture (WAV and AVI parsers are in "good").
if kx_kernel_runs_ia32; then
    packages+=(wine32:i386 gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if kx_kernel_runs_ia32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^fa_IR\.utf-\?8$'; then
    localedef -i fa_IR -f UTF-8 fa_IR.UTF-8
fi
# A comma locale for the number tests that run once more under it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
