#!/usr/bin/env bash
# Installs the Debian 12 packages Torvana needs to build, test and run.
# A no-op when everything is there; needs root (or sudo) only when installing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev libqt5svg5-dev qttools5-dev-tools qttranslations5-l10n
    libqwt-qt5-dev
    stm32flash oxygen-icon-theme xvfb xauth poppler-utils
    libgtest-dev libbenchmark-dev zlib1g-dev gcovr
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
