#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT
# Installs what Kestrune needs to build, test and run, from the distribution's packages.
# Does nothing when everything is present; otherwise needs root or sudo.
set -euo pipefail

# qt6-base-dev carries Qt PrintSupport's headers and CMake files too (the package then depends on
# libqt6printsupport6 through its shared-library dependencies); the tests read the PDFs the program
# makes back with poppler-utils.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    locales fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev
    reuse clang-format poppler-utils libfast-float-dev
)
# `install-deps.sh fuzz`: the clang toolchain with libFuzzer as well.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-dev)
fi
# `install-deps.sh web`: the WebAssembly toolchain for the field page, and the browser and node
# that its test drives.
if [ "${1:-}" = web ]; then
    packages+=(clang-19 lld-19 wasi-libc libc++-19-dev-wasm32 libc++abi-19-dev-wasm32
        libclang-rt-19-dev-wasm32 python3 chromium)
    # A node from elsewhere carries its own npm and conflicts with Debian's: take Debian's only
    # when there is none.
    command -v node >/dev/null 2>&1 || packages+=(nodejs)
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

# The number tests run once under a decimal-comma locale.
need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    need_locale=1
fi

[ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
    as_root=(sudo)
else
    what="${missing[*]}"
    [ $need_locale -eq 1 ] && what="$what the de_DE.UTF-8 locale"
    echo "kestrune: missing build dependencies: $what" >&2
    echo "kestrune: run this again as root or with sudo rights, or install them yourself with apt-get." >&2
    exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "kestrune: installing ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "kestrune: generating the de_DE.UTF-8 locale"
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen >/dev/null
fi
