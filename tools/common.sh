# Shared by tools/run and tools/test: installs what is missing and builds.
# Sourced, not run.

set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-"$repo_root/build"}

# Debian packages that building, running and testing need.
required_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    libcurl4-openssl-dev
    fonts-liberation2 fontconfig
)

# Debian packages that only the tests need: the checks of the packaging files, the X
# server, window manager and X tools of the real-desktop test (tests/desktop/; xwd from
# x11-apps takes its screenshots, python3 compares them), the mail servers of the test
# e-mail's tests (tests/mail/): Postfix with Dovecot for its logins, each started with a
# configuration of the test's own and never as the system's service, the small server for
# what they never do, and the tool that makes their certificates; and the FAT32 and exFAT
# cards of the card writer's test (tests/netcfg/tst_cardwrite): their mkfs tools and FUSE
# drivers (and fuse, with fusermount, along with them).
test_packages=(
    desktop-file-utils appstream
    xvfb openbox xdotool x11-utils x11-apps python3
    postfix dovecot-core openssl
    dosfstools exfatprogs fusefat exfat-fuse
)

# Debian packages of the Windows build (tools/build-windows): the MinGW-w64 cross compiler
# (posix threads), Wine to run the program and its tests, NSIS for the installer, icotool for
# the icon, and the stand-in fonts of the tests (tests/windows/stand-in-fonts); Wine's own
# Tahoma for its dialogs.
windows_packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 nsis icoutils python3-fonttools fonts-wine
)

# What building Qt and libcurl for Windows from Debian's sources needs besides (apt-get source).
toolchain_build_packages=(dpkg-dev xz-utils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

install_missing_packages() {
    local missing=() pkg
    for pkg in "${required_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update
        # Postfix asks nothing and configures no system mail; no package starts its service
        # (the tests start their own servers), unless the system already has a rule of its own.
        echo "postfix postfix/main_mailer_type select No configuration" | as_root debconf-set-selections
        local no_services=
        if [ ! -e /usr/sbin/policy-rc.d ]; then
            printf '#!/bin/sh\nexit 101\n' | as_root tee /usr/sbin/policy-rc.d >/dev/null
            as_root chmod 755 /usr/sbin/policy-rc.d
            no_services=1
        fi
        local status=0
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" || status=$?
        if [ -n "$no_services" ]; then
            as_root rm -f /usr/sbin/policy-rc.d
        fi
        return $status
    fi
}

# Configures once (the arguments are cmake options), then builds incrementally: every target,
# or only $build_target when it is set. Ninja chooses how many jobs run at once, unless
# CMAKE_BUILD_PARALLEL_LEVEL says.
build_project() {
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$build_dir" ${build_target:+--target "$build_target"}
}
