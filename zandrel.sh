#!/usr/bin/env bash
# Sets up a Debian 12 machine for TovrelZandrel, builds it, and then either
# starts the program (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n libgl1-mesa-dev
    libzip-dev libfreexl-dev libxcb1-dev
    qt6-svg-dev libwmf-bin emf2svg
    libreoffice-writer-nogui libreoffice-calc-nogui
    fonts-wqy-microhei xdg-utils poppler-utils
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# build PRESET [TARGET]: everything, or only the target and what it needs.
build() {
    local preset=$1
    cmake --preset "$preset"
    cmake --build --preset "$preset" ${2:+--target "$2"}
}

case "${1:-}" in
run)
    install_missing
    build default Zandrel
    exec build/Zandrel/Zandrel
    ;;
test)
    install_missing
    build default
    ctest --preset default
    build asan
    ctest --preset asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
