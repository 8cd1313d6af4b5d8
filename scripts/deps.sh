#!/usr/bin/env bash
# Installs the Debian packages Ravelo2 needs, only those that are missing.
# Usage: scripts/deps.sh build|test|fuzz|pictures
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland
          qt6-translations-l10n fonts-ipafont-gothic libgtest-dev libbenchmark-dev)
case "${1:-build}" in
test) packages+=(xvfb xauth desktop-file-utils appstream dpkg-dev lintian man-db groff-base
                 clang libclang-rt-14-dev) ;;
fuzz) packages=(cmake ninja-build clang libclang-rt-14-dev qt6-base-dev) ;;
pictures) packages=(xvfb openbox xdotool imagemagick fonts-ipafont-gothic) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
